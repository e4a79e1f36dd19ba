// Rules of the board: set-up, sliding lines of tiles, the scramble walk and the solved test.
#pragma once

#include "board/game_state.h"

#include <array>
#include <optional>

class PicFrm;
class RandomSource;

inline constexpr int ViewGridSide = 8;
// Views(K - 1)(c) is the view Row K (c).
using ViewGrid = std::array<std::array<TileView *, ViewGridSide>, ViewGridSide>;

inline constexpr int ScrambleSteps = 3000;

// A fresh board for `setup` in solved order: the whole state is replaced but the click count.
void setUpBoard(GameState &state, const GameSetup &setup, const ViewGrid &views, const PicFrm &numbers);
// Resets one view for a new board: centred, flat, single line, no picture; stretched in a picture game.
void resetView(TileView &view, bool picturesGame);
// Resets all 64 views, on the board or not.
void Initialize_Board(const ViewGrid &views, bool picturesGame);
// The common set-up of a board whose size is already in LastRow / LastCol.
void SetupNewGame(GameState &state, const ViewGrid &views, const PicFrm &numbers);
// Links every board cell to its view.
void AssignTileControls(GameState &state, const ViewGrid &views);
// The picture of piece n (1 .. N*N) in the game in play. A picture game without pieces shows
// number pictures instead.
const Picture &piecePicture(const GameState &state, int n, const PicFrm &numbers);
// Every cell gets its home piece and number, raised, not empty.
void LoadTilePictures(GameState &state, const PicFrm &numbers);
// Marks the bottom-right cell empty; it keeps showing piece N*N until a tile moves into it.
void SetBlankCell(GameState &state);

// Returns true when a line of tiles moved; the clicked cell is then the empty cell.
bool MoveTile(GameState &state, int row, int col);
// Moves, in the model only, the tile at (row, col) into an orthogonally adjacent empty cell.
void SlideIntoBlank(GameState &state, int row, int col);
// The random walk of the empty cell; steps that would leave the board do nothing.
void scrambleWalk(GameState &state, RandomSource &random, int steps = ScrambleSteps);
// Redraws every cell from the model.
void SetUpScrambledBoard(GameState &state, const PicFrm &numbers);
// True when pieces 1 .. N*N - 1 are in reading order; the bottom-right cell is never compared.
bool Winner(const GameState &state);
// Shows piece N*N, raised, in the bottom-right cell; the model keeps it as the empty cell.
void showLastPiece(GameState &state, const PicFrm &numbers);

// The cell (row, col) whose tile an arrow key slides into the empty cell, if any.
enum class ArrowKey { Up, Down, Left, Right };
std::optional<std::pair<int, int>> cellForArrowKey(const GameState &state, ArrowKey key);
