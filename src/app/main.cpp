#include "app/application.h"

int main(int argc, char* argv[])
{
    return runQuillon(argc, argv);
}
