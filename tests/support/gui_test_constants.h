#pragma once

#include <chrono>
#include <cstdint>

namespace support {

// How long a GUI test waits before it gives up: on what the window does by itself, and on what
// waits for the browser engine (its start, slow under the sanitizers, and a page's load).
inline constexpr int kGiveUpMs = 30000;
inline constexpr int kEngineGiveUpMs = 60000;

// The day of the local wiki's log page, at noon UTC: the clock of the tests' windows.
inline constexpr auto kNoonOnMarch7 =
    std::chrono::sys_days{std::chrono::year{2026} / 3 / 7} + std::chrono::hours{12};

// The keysyms (X11/keysymdef.h) of the keys the tests press that are no letter; a letter's is
// its own ASCII code.
namespace keysym {
inline constexpr std::uint32_t kTab = 0xff09;
inline constexpr std::uint32_t kReturn = 0xff0d;
inline constexpr std::uint32_t kEscape = 0xff1b;
inline constexpr std::uint32_t kLeft = 0xff51;
inline constexpr std::uint32_t kRight = 0xff53;
inline constexpr std::uint32_t kDown = 0xff54;
inline constexpr std::uint32_t kEnd = 0xff57;
inline constexpr std::uint32_t kF5 = 0xffc2;
inline constexpr std::uint32_t kF8 = 0xffc5;
}  // namespace keysym

}  // namespace support
