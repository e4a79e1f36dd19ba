// Fuzz target: the kept game's reader.
#include "entry_points.h"

#include "core/session/kept_game.h"

namespace fuzz {

int keptGame(const uint8_t *data, size_t size)
{
    const auto game = readKeptGame(view(data, size));
    if (!game)
        return 0;
    // A game taken up is one the program could have written, and writes back the same.
    const QByteArray written = keptGameBytes(*game);
    const auto again = readKeptGame(written);
    require(again.has_value(), "a kept game does not read back after writing");
    require(keptGameBytes(*again) == written, "a kept game writes back otherwise");
    require(isSolvable(game->scramble()), "a kept game's scramble is one no scramble reaches");
    return 0;
}

} // namespace fuzz
