#pragma once

#include "Arguments.h"

class QTextStream;

// Runs one request against the class server; what a computer needs goes to
// out, every problem in German to err. Returns the exit status.
int runCommand(const Arguments &arguments, QTextStream &out, QTextStream &err);
