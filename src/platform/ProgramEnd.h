#pragma once

// Ends the program with `status` once everything it owns is gone: its windows, the
// application object, the records' locks. Every program of the build, tests included, ends
// here instead of returning from main(). Each platform's folder implements it.
[[noreturn]] void EndProgram(int status);
