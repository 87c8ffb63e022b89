#pragma once
// The engine's message seam: texts the learner must see ("Datei existiert
// nicht ..."), as Windows-1252 bytes. The program binds it to a message box,
// tests to a recorder. With no handler set, messages are dropped.
#include <functional>
#include <string>

using MessageHandler = std::function<void(const std::string&)>;

void SetMessageHandler(MessageHandler handler);
void ShowMessage(const std::string& text);
