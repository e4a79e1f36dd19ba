// Resolving FluidSynth's functions at run time.
#include "audio/audio_fluid_library.h"

#include <QLibrary>

namespace {
FluidLibrary *load()
{
    // Never unloaded: an audio thread left behind at exit may still be rendering. Held here for the
    // whole run, so it is not taken for a leak.
    static QLibrary *const library = new QLibrary(QStringLiteral("fluidsynth"), 3);
    if (!library->load())
        return nullptr;
    static FluidLibrary functions;
    bool complete = true;
#define TESSARY_FLUID_RESOLVE(name)                                                       \
    functions.name = reinterpret_cast<decltype(functions.name)>(library->resolve(#name)); \
    complete = complete && functions.name;
    TESSARY_FLUID_FUNCTIONS(TESSARY_FLUID_RESOLVE)
#undef TESSARY_FLUID_RESOLVE
    return complete ? &functions : nullptr;
}
} // namespace

const FluidLibrary *fluidLibrary()
{
    static FluidLibrary *const library = load();
    return library;
}
