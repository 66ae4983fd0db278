// The three web pages the window opens. Distributors set the real addresses here.
#pragma once

namespace velmorand {

inline constexpr char CatalogueAddress[] = "http://velmorand.example/"; // the Load button
inline constexpr char PaperGamesAddress[] = "http://paper-games.example/page.htm"; // ">>"
inline constexpr char EnglishAddress[] = "http://english.example/";                // ">>>>"

} // namespace velmorand
