// Tessaly, a talking phrase book for travellers. It reads no command line and
// works on the data files of its current directory.

#include "tessaly.h"

int main(int argc, char** argv)
{
    CTessalyApp app(argc, argv);
    return app.InitInstance();
}
