#include "bho/registrar.h"

#include <windows.h>

#include <shlwapi.h>

#include <cwctype>
#include <vector>

#include "common/registry_key.h"

namespace hush::bho {
namespace {

using hush::RegistryKey;

struct Value {
  std::wstring name;  // empty: the key's default value
  std::wstring text;
};

struct Key {
  std::wstring name;
  bool noRemove = false;
  bool forceRemove = false;
  std::vector<Value> values;
  std::vector<Key> children;
};

class Parser {
 public:
  explicit Parser(const std::wstring& text) : text_(text) {}

  // The next token: a brace, "=", a quoted text (quotes removed, '' read as
  // one quote) or a bare word; empty at the end.
  bool Next(std::wstring& token, bool& quoted) {
    while (at_ < text_.size() && std::iswspace(text_[at_])) ++at_;
    token.clear();
    quoted = false;
    if (at_ == text_.size()) return false;
    const wchar_t c = text_[at_];
    if (c == L'{' && at_ + 1 < text_.size() && !std::iswspace(text_[at_ + 1])) {
      // A braced name such as a class id: "{" opens a block only when
      // followed by white space.
      const size_t close = text_.find(L'}', at_);
      if (close == std::wstring::npos) return false;
      token = text_.substr(at_, close + 1 - at_);
      at_ = close + 1;
      return true;
    }
    if (c == L'{' || c == L'}' || c == L'=') {
      token = c;
      ++at_;
      return true;
    }
    if (c == L'\'') {
      quoted = true;
      for (++at_; at_ < text_.size(); ++at_) {
        if (text_[at_] == L'\'') {
          if (at_ + 1 < text_.size() && text_[at_ + 1] == L'\'') {
            token += L'\'';
            ++at_;
            continue;
          }
          ++at_;
          return true;
        }
        token += text_[at_];
      }
      return false;  // unterminated
    }
    while (at_ < text_.size() && !std::iswspace(text_[at_]) && text_[at_] != L'{' &&
           text_[at_] != L'}' && text_[at_] != L'=')
      token += text_[at_++];
    return true;
  }

  bool Peek(std::wstring& token) {
    const size_t saved = at_;
    bool quoted = false;
    const bool got = Next(token, quoted);
    at_ = saved;
    return got && !quoted;
  }

  bool Expect(const wchar_t* wanted) {
    std::wstring token;
    bool quoted = false;
    return Next(token, quoted) && !quoted && token == wanted;
  }

  // "= s 'text'" after a key or value name.
  bool StringValue(std::wstring& text) {
    std::wstring kind;
    bool quoted = false;
    return Expect(L"=") && Next(kind, quoted) && !quoted && kind == L"s" && Next(text, quoted);
  }

  // The keys and values up to the closing brace of the current block.
  bool Body(Key& parent) {
    for (;;) {
      const size_t saved = at_;
      std::wstring token;
      bool quoted = false;
      if (!Next(token, quoted)) return false;  // the script ended inside a block
      if (!quoted && token == L"}") return true;
      at_ = saved;
      if (!ParseEntry(parent)) return false;
    }
  }

  bool ParseEntry(Key& parent) {
    std::wstring token;
    bool quoted = false;
    if (!Next(token, quoted)) return false;
    if (!quoted && token == L"val") {
      Value value;
      if (!Next(value.name, quoted) || !StringValue(value.text)) return false;
      parent.values.push_back(std::move(value));
      return true;
    }
    Key key;
    while (!quoted && (token == L"NoRemove" || token == L"ForceRemove")) {
      (token == L"NoRemove" ? key.noRemove : key.forceRemove) = true;
      if (!Next(token, quoted)) return false;
    }
    key.name = token;
    std::wstring next;
    if (Peek(next) && next == L"=") {
      Value value;
      if (!StringValue(value.text)) return false;
      key.values.push_back(std::move(value));
    }
    if (Peek(next) && next == L"{") {
      Expect(L"{");
      if (!Body(key)) return false;
    }
    parent.children.push_back(std::move(key));
    return true;
  }

  bool AtEnd() {
    while (at_ < text_.size() && std::iswspace(text_[at_])) ++at_;
    return at_ == text_.size();
  }

 private:
  const std::wstring& text_;
  size_t at_ = 0;
};

HKEY RootNamed(const std::wstring& name) {
  if (name == L"HKCR" || name == L"HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
  if (name == L"HKLM" || name == L"HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
  if (name == L"HKCU" || name == L"HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  return nullptr;
}

void DeleteWhole(HKEY parent, const std::wstring& name) { ::SHDeleteKeyW(parent, name.c_str()); }

bool WriteValue(const RegistryKey& key, const Value& value) {
  return ::RegSetValueExW(key.get(), value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.text.c_str()),
                          static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t))) ==
         ERROR_SUCCESS;
}

// Every value and key is tried: a failure reports the whole registration
// failed, and whatever was written stays for the unregistration to remove.
bool WriteKey(HKEY parent, const Key& key) {
  if (key.forceRemove) DeleteWhole(parent, key.name);
  const RegistryKey opened = RegistryKey::Create(parent, key.name);
  if (!opened) return false;
  bool written = true;
  for (const Value& value : key.values) written = WriteValue(opened, value) && written;
  for (const Key& child : key.children) written = WriteKey(opened.get(), child) && written;
  return written;
}

void RemoveKey(HKEY parent, const Key& key) {
  if (!key.noRemove) {
    DeleteWhole(parent, key.name);
    return;
  }
  const RegistryKey opened = RegistryKey::Open(parent, key.name, KEY_READ | KEY_WRITE);
  if (!opened) return;
  for (const Key& child : key.children) RemoveKey(opened.get(), child);
}

}  // namespace

std::wstring SubstituteInScript(std::wstring script, const std::wstring& name,
                                const std::wstring& value) {
  std::wstring quoted;
  for (wchar_t c : value) {
    quoted += c;
    if (c == L'\'') quoted += L'\'';
  }
  const std::wstring placeholder = L"%" + name + L"%";
  for (size_t at = 0; (at = script.find(placeholder, at)) != std::wstring::npos;
       at += quoted.size())
    script.replace(at, placeholder.size(), quoted);
  return script;
}

bool RunRegistrationScript(const std::wstring& script, RegistrarAction action) {
  Parser parser(script);
  std::vector<std::pair<HKEY, Key>> roots;
  while (!parser.AtEnd()) {
    std::wstring name;
    bool quoted = false;
    // A text left open at the end means a value broke the quoting: nothing
    // of such a script is written.
    if (!parser.Next(name, quoted) || quoted) return false;
    const HKEY root = RootNamed(name);
    Key top;
    if (root == nullptr || !parser.Expect(L"{") || !parser.Body(top)) return false;
    roots.emplace_back(root, std::move(top));
  }
  bool succeeded = true;
  for (const auto& [root, top] : roots) {
    for (const Key& key : top.children) {
      if (action == RegistrarAction::kRegister)
        succeeded = WriteKey(root, key) && succeeded;
      else
        RemoveKey(root, key);
    }
  }
  return succeeded;
}

}  // namespace hush::bho
