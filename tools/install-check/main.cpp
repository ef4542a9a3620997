// A program outside the project, built against an installed copy of the libraries with
// pkg-config only, to prove that the installed headers, libraries and .pc files suffice.
#include <modes/modes.h>

#include <iostream>

int main() {
    std::cout << "modes " << brannic::modes::Tarrow::version() << std::endl;
    return brannic::modes::Tarrow::version().empty() ? 1 : 0;
}
