#include "ui/ForwardingUserInterface.h"

namespace vorlanda {

ForwardingUserInterface::ForwardingUserInterface() : shown_(CurrentUserInterface()) {
    InstallUserInterface(this);
}

ForwardingUserInterface::~ForwardingUserInterface() {
    InstallUserInterface(&shown_);
}

} // namespace vorlanda
