// C++ interface: conversion of text between Windows code page 1250 and the two DOS code pages
// for Polish, code page 852 (Latin-2) and Mazovia.
//
// Only the Polish letters change (for Mazovia also ş and »); every other byte is copied, and
// the result has the length of the argument, trailing blanks included.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/export.h"
#include "funkcja/types.hpp"

namespace funkcja {

FK_API std::string WINTOLATIN_TG(std::string_view text);    // 1250 -> 852
FK_API std::string LATINTOWIN_TG(std::string_view text);    // 852 -> 1250
FK_API std::string WINTOMAZOVIA_TG(std::string_view text);  // 1250 -> Mazovia
FK_API std::string MAZOVIATOWIN_TG(std::string_view text);  // Mazovia -> 1250
FK_API std::string WINTOWIN_TG(std::string_view text);      // unchanged

}  // namespace funkcja
