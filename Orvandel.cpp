// The program's entry. Arguments other than the toolkit's own options are not read; there is
// no settings file. Exits with 0 once the window is closed.
#include "ui/Application.h"

int main(int argc, char* argv[]) {
    return orvandel::RunOrvandel(argc, argv);
}
