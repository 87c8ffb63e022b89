#include "engine/Messages.h"

#include <utility>

namespace {
MessageHandler& handler()
{
    static MessageHandler h;
    return h;
}
} // namespace

void SetMessageHandler(MessageHandler h) { handler() = std::move(h); }

void ShowMessage(const std::string& text)
{
    if (handler())
        handler()(text);
}
