// C++ interface: conversion of text between Windows code page 1250 and the two DOS code pages
// for Polish, code page 852 (Latin-2) and Mazovia.
//
// Only the Polish letters change (for Mazovia also ş and »); every other byte is copied, and
// the result has the length of the argument, trailing blanks included.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// Code-page conversions change only the Polish letters (and ş/» for Mazovia), each byte looked
// up once; code page 852 agrees with iconv's.

// 1250 -> 852
inline std::string WINTOLATIN_TG(std::string_view text) {
  return c_api::string(::WINTOLATIN_TG(c_api::text(text)));
}
// 852 -> 1250
inline std::string LATINTOWIN_TG(std::string_view text) {
  return c_api::string(::LATINTOWIN_TG(c_api::text(text)));
}
// 1250 -> Mazovia
inline std::string WINTOMAZOVIA_TG(std::string_view text) {
  return c_api::string(::WINTOMAZOVIA_TG(c_api::text(text)));
}
// Mazovia -> 1250
inline std::string MAZOVIATOWIN_TG(std::string_view text) {
  return c_api::string(::MAZOVIATOWIN_TG(c_api::text(text)));
}
// 1250 -> 1250, unchanged
inline std::string WINTOWIN_TG(std::string_view text) {
  return c_api::string(::WINTOWIN_TG(c_api::text(text)));
}

}  // namespace funkcja
