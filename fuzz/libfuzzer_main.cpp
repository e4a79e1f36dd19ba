// The libFuzzer hooks of one target; FUZZ_ENTRY names its entry point.
#include "entry_points.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzz::FUZZ_ENTRY(data, size);
}
