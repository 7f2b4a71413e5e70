#include "bench/sample_text.h"

#include <array>
#include <string_view>

namespace quellor::bench {

namespace {

// splitmix64: quick, and good enough to pick words and capitals.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
  bool Percent(unsigned chance) { return Below(100) < chance; }

 private:
  std::uint64_t state_;
};

constexpr std::array<std::string_view, 16> kWords = {
    "the",  "page", "index", "menu", "about", "news",   "contact", "photo",
    "link", "home", "price", "list", "table", "images", "help",    "products"};
constexpr std::array<std::string_view, 6> kExtensions = {".HTM", ".html", ".Htm",
                                                         ".GIF", ".jpg",  ".php?Id=7"};

class Writer {
 public:
  Writer(std::string& out, Random& random) : out_(out), random_(random) {}

  // A word with a capital now and then; one in ten is Cyrillic (Windows-1251).
  void Word() {
    if (random_.Percent(10)) {
      const std::size_t length = 3 + random_.Below(8);
      for (std::size_t i = 0; i < length; ++i) {
        out_.push_back(static_cast<char>(0xC0 + random_.Below(64)));
      }
      return;
    }
    const std::string_view word = kWords[random_.Below(kWords.size())];
    for (char c : word) {
      out_.push_back(random_.Percent(15) ? static_cast<char>(c - 'a' + 'A') : c);
    }
  }

  void Words(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      if (i != 0) out_.push_back(' ');
      Word();
    }
  }

  void Path() {
    const std::size_t depth = random_.Below(3);
    for (std::size_t i = 0; i < depth; ++i) {
      Word();
      out_.push_back('/');
    }
    Word();
    out_ += std::to_string(random_.Below(100));
    out_ += kExtensions[random_.Below(kExtensions.size())];
  }

  void Quoted(char quote, bool path) {
    out_.push_back(quote);
    if (path) {
      Path();
    } else {
      Words(1 + random_.Below(3));
    }
    out_.push_back(quote);
  }

  void Append(std::string_view bytes) { out_ += bytes; }
  char Quote() { return random_.Percent(80) ? '"' : '\''; }

 private:
  std::string& out_;
  Random& random_;
};

std::string PageLike(std::size_t size, std::uint64_t seed, bool withLinks) {
  std::string out;
  out.reserve(size + 512);
  Random random(seed);
  Writer write(out, random);
  while (out.size() < size) {
    const std::size_t kind = random.Below(1000);
    if (kind < 600) {
      write.Words(1 + random.Below(6));
      write.Append(random.Percent(10) ? "\r\n" : " ");
    } else if (kind < 640 && withLinks) {
      write.Append("<a href=");
      write.Quoted(write.Quote(), true);
      write.Append(" title=");
      write.Quoted('"', false);
      write.Append(">");
      write.Words(1 + random.Below(4));
      write.Append("</a> ");
    } else if (kind < 660 && withLinks) {
      write.Append("<img src=");
      write.Quoted(write.Quote(), true);
      write.Append(" alt=");
      write.Quoted('"', false);
      write.Append(" width=\"120\" height=\"80\">");
    } else if (kind < 664 && withLinks) {
      write.Append("\r\n<script type=\"text/javascript\" src=");
      write.Quoted('"', true);
      write.Append("></script>\r\n");
    } else if (kind < 670 && withLinks) {
      write.Append("menu.addItem(");
      write.Quoted('"', false);
      write.Append(", ");
      write.Quoted('"', true);
      write.Append(", \"\");\r\n");
    } else if (kind < 850) {
      write.Append("<td class=");
      write.Quoted('"', false);
      write.Append(" align=\"center\">");
    } else {
      write.Append(random.Percent(50) ? "</td></tr>\r\n<tr>" : "<p><b>");
    }
  }
  return out;
}

}  // namespace

std::string HtmlLikeText(std::size_t size, std::uint64_t seed) {
  return PageLike(size, seed, true);
}

std::string MatchlessText(std::size_t size, std::uint64_t seed) {
  return PageLike(size, seed, false);
}

std::string DenseText(std::size_t size, std::uint64_t seed) {
  std::string out;
  out.reserve(size + 256);
  Random random(seed);
  Writer write(out, random);
  while (out.size() < size) {
    write.Append("href=");
    write.Quoted(write.Quote(), true);
    write.Append("src=");
    write.Quoted(write.Quote(), true);
    write.Append("addItem(\"A\",");
    write.Path();
    write.Append(",");
  }
  return out;
}

}  // namespace quellor::bench
