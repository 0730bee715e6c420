#pragma once
// The program's version texts.
constexpr const char* kApplicationTitle = "Gavrosin 4.12";
constexpr const char* kVersionText = "Версия 4.12";
