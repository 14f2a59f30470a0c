// What pointing a browser at Hushwall replaced, kept so that taking it off
// again puts the user's own proxy back. One record per browser setting (an
// Internet Explorer connection, a Mozilla profile, an Opera file), held in
// a small INI-like text whose values are escaped so that any text survives.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hush::browsers {

class ReplacedSettings {
 public:
  using Fields = std::map<std::string, std::string>;

  static ReplacedSettings Parse(std::string_view text);
  std::string Text() const;

  const Fields* Find(const std::string& id) const;
  void Put(const std::string& id, Fields fields);
  void Erase(const std::string& id);
  bool empty() const { return records_.empty(); }

 private:
  std::vector<std::pair<std::string, Fields>> records_;  // in file order
};

}  // namespace hush::browsers
