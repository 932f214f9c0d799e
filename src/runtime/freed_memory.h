#pragma once

// Hands the heap memory that the program has freed back to the system. The allocator keeps freed memory for
// later use, so without this the process stays as large as the largest list it has shown.
void releaseFreedMemory();
