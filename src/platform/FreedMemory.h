#pragma once

// Gives the memory the program has freed back to the system. A pass over many folders frees
// as much as it keeps (its copy of the rows, its hand-overs); the C library holds on to it
// otherwise, and the program would look twice its size. Each platform's folder implements it.
void ReturnFreedMemory();
