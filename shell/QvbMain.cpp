#include "ApplicationUnit.h"
#include "ProgramEntryUnit.h"

int main(int argc, char* argv[])
{
    TApplication application(argc, argv);
    return RunProgram(application);
}
