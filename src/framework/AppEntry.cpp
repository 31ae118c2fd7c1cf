// The process entry, linked only into the program itself.
#include "CWinApp.h"

int main(int argc, char** argv)
{
    return framework::RunApplication(argc, argv);
}
