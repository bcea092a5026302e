#pragma once

// Starts Quillon: single instance, services, the main window. Returns the exit code.
int runQuillon(int argc, char* argv[]);
