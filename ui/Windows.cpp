#include "ui/Windows.h"

#include "engine/Session.h"

namespace tavrio {
namespace {
std::unique_ptr<cSession>& current()
{
    static std::unique_ptr<cSession> s;
    return s;
}
} // namespace

cWindows& windows()
{
    static cWindows table;
    return table;
}

cSession* session() { return current().get(); }
void setSession(std::unique_ptr<cSession> s) { current() = std::move(s); }

} // namespace tavrio
