// The program's messages: every text the user can see has a numeric key and
// an English text built into the program, used whenever the language file
// has no translation.
#pragma once

#include <string>

namespace hush {

struct BuiltInMessage {
  int key;
  const char* text;
};

// The built-in English text of a message ("" for an unknown key).
const char* BuiltInText(int key);

// Every built-in message, in key order.
const BuiltInMessage* BuiltInMessagesBegin();
const BuiltInMessage* BuiltInMessagesEnd();

}  // namespace hush
