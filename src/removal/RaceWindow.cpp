#include "RaceWindow.h"

namespace orvelane::RaceWindow {
namespace {

Observer& installed()
{
    static Observer observer;
    return observer;
}

} // namespace

void observe(Observer observer)
{
    installed() = std::move(observer);
}

void reach(Moment moment)
{
    if (const Observer& observer = installed())
        observer(moment);
}

} // namespace orvelane::RaceWindow
