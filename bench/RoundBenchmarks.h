#pragma once

#include "levels/LevelParams.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

// The round's benchmarks, written once for every kind of board. A board offers deal(),
// prepareClicks() (untimed: brings the board to rest and learns where each number lies),
// click(number), and settle(): whatever a player waits for after an operation, timed with it.
namespace lumora::bench {

inline constexpr int kBoardSize = kLevels[static_cast<std::size_t>(Level::Advanced)].boardSize;

// What each iteration times, kept out of line so that callgrind (tools/perf-report.sh) can count
// the instructions of exactly that.
template <typename Board>
[[gnu::noinline]] void dealAndSettle(Board &board)
{
    board.deal();
    board.settle();
}

template <typename Board>
[[gnu::noinline]] void clickAndSettle(Board &board, int number)
{
    board.click(number);
    board.settle();
}

template <typename Board>
void deal(benchmark::State &state)
{
    Board board;
    // The first deal also shows the board; every later one only renumbers it.
    board.deal();
    board.settle();
    for (auto _ : state)
        dealAndSettle(board);
}

// A right click moves the round on, so every click takes the next number of the current deal,
// and a fresh deal comes in untimed. The last number, which ends the round, is left to the round.
template <typename Board>
void rightClick(benchmark::State &state)
{
    Board board;
    int next = kBoardSize;
    for (auto _ : state) {
        if (next == kBoardSize) {
            state.PauseTiming();
            board.deal();
            board.prepareClicks();
            next = 1;
            state.ResumeTiming();
        }
        clickAndSettle(board, next++);
    }
}

// A wrong click changes only the points, so one deal serves every iteration.
template <typename Board>
void wrongClick(benchmark::State &state)
{
    Board board;
    board.deal();
    board.prepareClicks();
    for (auto _ : state) {
        board.click(2);
        board.settle();
    }
}

// Every number in turn, the last one's finish included.
template <typename Board>
void fullRound(benchmark::State &state)
{
    Board board;
    for (auto _ : state) {
        state.PauseTiming();
        board.deal();
        board.prepareClicks();
        state.ResumeTiming();
        for (int number = 1; number <= kBoardSize; ++number)
            clickAndSettle(board, number);
    }
}

// Registers "deal/<board>", "right_click/<board>", "wrong_click/<board>" and "round/<board>".
template <typename Board>
void registerRoundBenchmarks(const std::string &boardName)
{
    const std::pair<const char *, void (*)(benchmark::State &)> benchmarks[] = {
        {"deal", deal<Board>},
        {"right_click", rightClick<Board>},
        {"wrong_click", wrongClick<Board>},
        {"round", fullRound<Board>},
    };
    for (const auto &[name, run] : benchmarks)
        benchmark::RegisterBenchmark((name + ("/" + boardName)).c_str(), run)->Unit(benchmark::kMicrosecond);
}

} // namespace lumora::bench
