// Entry point of the program.
#include "app/AppStartup.h"

int main(int argc, char** argv) { return AppMain(argc, argv); }
