// Entry point of the program.
#include "AppStartup.h"

int main(int argc, char** argv)
{
    return AppMain(argc, argv);
}
