// FluidSynth, loaded the first time the music has to play: a game whose music stays off never
// maps the library and the many it pulls in.
#pragma once

#include <fluidsynth.h>

// clang-format off
#define TESSARY_FLUID_FUNCTIONS(F)                                                             \
    F(fluid_set_log_function) F(fluid_is_soundfont) F(fluid_player_add_mem)                    \
    F(new_fluid_settings) F(delete_fluid_settings) F(fluid_settings_setstr)                    \
    F(fluid_settings_setnum) F(fluid_settings_setint)                                          \
    F(new_fluid_synth) F(delete_fluid_synth) F(fluid_synth_sfload)                             \
    F(fluid_synth_set_interp_method) F(fluid_synth_all_notes_off)                              \
    F(fluid_synth_get_active_voice_count) F(fluid_synth_write_s16)                             \
    F(new_fluid_player) F(delete_fluid_player) F(fluid_player_add) F(fluid_player_play)        \
    F(fluid_player_stop) F(fluid_player_seek) F(fluid_player_get_status)                       \
    F(fluid_player_get_current_tick) F(fluid_player_get_total_ticks) F(fluid_synth_sfunload)   \
    F(new_fluid_defsfloader) F(fluid_sfloader_set_callbacks) F(fluid_synth_add_sfloader)
// clang-format on

// The functions the music uses, each with its declared type.
struct FluidLibrary
{
#define TESSARY_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    TESSARY_FLUID_FUNCTIONS(TESSARY_FLUID_POINTER)
#undef TESSARY_FLUID_POINTER
};

// Loads the library once; null when it is missing or lacks a function. Any thread may call it.
const FluidLibrary *fluidLibrary();
