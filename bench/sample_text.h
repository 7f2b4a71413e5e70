#pragma once
// Generated texts for the link-case benchmark: the same seed gives the same
// bytes, so runs and machines compare.

#include <cstddef>
#include <cstdint>
#include <string>

namespace quellor::bench {

// Web pages as they come: text with random capitals, Windows-1251 words, tags
// with attributes, links and images every few hundred bytes, menu scripts.
std::string HtmlLikeText(std::size_t size, std::uint64_t seed);

// Nothing but matches of all three passes, back to back.
std::string DenseText(std::size_t size, std::uint64_t seed);

// Page-like text in which no pass finds a keyword.
std::string MatchlessText(std::size_t size, std::uint64_t seed);

}  // namespace quellor::bench
