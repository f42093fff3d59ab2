// The six stored articles and the look-up that hands them out. Compiled with
// GBK as the execution character set, so the literals here are GBK bytes.
#include <doctest/doctest.h>

#include <string>
#include <string_view>
#include <vector>

#include "content/article_catalogue.h"

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 2;
  }
}

bool IsGb2312(unsigned char lead, unsigned char trail) {
  return lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

// Every line that starts with one of `headings` does so in this order.
bool HeadingsInOrder(const std::vector<std::string_view>& lines, const std::vector<std::string_view>& headings) {
  size_t next = 0;
  for (std::string_view line : lines) {
    std::string_view trimmed = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    while (trimmed.substr(0, 2) == "\xA1\xA1") trimmed.remove_prefix(2);  // ideographic-space indent
    if (next < headings.size() && trimmed.substr(0, headings[next].size()) == headings[next]) ++next;
  }
  return next == headings.size();
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

using Rule = void (*)(std::string_view text, const std::vector<std::string_view>& lines);

struct Article {
  SchemeNumber scheme;
  std::string_view firstLineStart;  // the whole first line where `wholeFirstLine`
  bool wholeFirstLine;
  std::string_view ending;
  std::vector<std::string_view> headings;
  Rule form;
};

void TrailingSpaceButFirstAndLast(const std::vector<std::string_view>& lines) {
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    if (!lines[i].empty()) CHECK_MESSAGE(lines[i].back() == ' ', "line ", i + 1);
  }
  CHECK(lines.front().back() != ' ');
  CHECK(lines.back().back() != ' ');
}

const Article kArticles[] = {
    {1, "xxxxxxxxxxxxxxxxxxxx   如何使XP运转起来更加快更方便呢   xxxxxxxxxxxxxxxxxxxx", true, "",
     {"一、", "二、", "三、", "四、", "五、", "六、"},
     [](std::string_view text, const std::vector<std::string_view>& lines) {
       CHECK_FALSE(EndsWith(text, "\r\n"));
       TrailingSpaceButFirstAndLast(lines);
       CHECK(text.find("regsvr32 /u zipfldr.dll") != std::string_view::npos);
       CHECK(text.find("sfc.exe /purgecache") != std::string_view::npos);
     }},
    {2, "让系统启动快起来", true, "。", {"１．", "２．", "３．", "提示："},
     [](std::string_view text, const std::vector<std::string_view>& lines) {
       // Letters and digits are all full-width: no ASCII but spaces and line ends.
       for (size_t i = 0; i < text.size(); ++i) {
         const auto byte = static_cast<unsigned char>(text[i]);
         if (byte >= 0x80) {
           ++i;
           continue;
         }
         CHECK_MESSAGE((byte == ' ' || byte == '\r' || byte == '\n'), "byte ", i);
       }
       for (std::string_view line : lines) CHECK((line.empty() || line.back() != ' '));
       CHECK(lines[1].empty());
       CHECK(lines[2].empty());
     }},
    {3, "嫌计算机启动太慢是每个计算机迷的共同心病", false, "。 ",
     {"一、", "二、", "三、", "四、", "五、", "六、", "七、", "八、"},
     [](std::string_view text, const std::vector<std::string_view>& lines) {
       for (size_t i = 0; i < text.size(); ++i) {
         const auto byte = static_cast<unsigned char>(text[i]);
         if (byte >= 0x80) ++i;
         else CHECK_FALSE_MESSAGE((byte >= 'A' && byte <= 'Z'), "byte ", i);
       }
       for (std::string_view line : lines) {
         if (!line.empty()) CHECK((EndsWith(line, " ") && !EndsWith(line, "  ")));
       }
     }},
    {4, " WINXP优化精髓", true, " \r\n", {},
     [](std::string_view text, const std::vector<std::string_view>&) {
       CHECK(text.find("刪") != std::string_view::npos);
       CHECK(text.find("輸") != std::string_view::npos);
       CHECK(text.find("〔开始〕\\〔运行〕") != std::string_view::npos);
     }},
    {5, "XP瘦身，减肥大全", true, "\r\n ",
     {"一、", "二，", "三，", "四，", "五，", "六，", "七，", "八，", "九，", "十，"},
     [](std::string_view, const std::vector<std::string_view>& lines) { CHECK(lines.back() == " "); }},
    {6, "Win2000设置技巧", true, ".exe", {},
     [](std::string_view, const std::vector<std::string_view>& lines) {
       // Every line but the last is followed by a blank line.
       for (size_t i = 1; i < lines.size(); i += 2) CHECK_MESSAGE(lines[i].empty(), "line ", i + 1);
       CHECK(lines.size() % 2 == 1);
       int nonEmpty = 0;
       for (std::string_view line : lines) {
         if (!line.empty() && ++nonEmpty > 2) CHECK_MESSAGE(line.substr(0, 4) == "    ", line);
       }
       TrailingSpaceButFirstAndLast(lines);
       int groups = 0;
       for (std::string_view line : lines) {
         if (EndsWith(line.substr(0, line.find_last_not_of(' ') + 1), "：")) ++groups;
       }
       CHECK(groups >= 3);
     }},
};

}  // namespace

TEST_CASE("every article is stored as well-formed GBK with CR LF line ends and its own form") {
  for (const Article& article : kArticles) {
    CAPTURE(article.scheme);
    const std::string_view text = ArticleCatalogue::text(article.scheme);
    REQUIRE(!text.empty());
    CHECK(text.data()[text.size()] == '\0');

    int outsideGb2312 = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if (byte >= 0x80) {
        REQUIRE_MESSAGE(i + 1 < text.size(), "a lead byte ends the text");
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        CHECK_MESSAGE((byte >= 0x81 && byte <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F),
                      "bad two-byte code at ", i);
        if (!IsGb2312(byte, trail)) ++outsideGb2312;
        ++i;
      } else if (byte == '\r') {
        CHECK_MESSAGE((i + 1 < text.size() && text[i + 1] == '\n'), "bare CR at ", i);
        ++i;
      } else {
        CHECK_MESSAGE((byte >= 0x20 && byte != 0x7F), "control character at ", i);
      }
    }
    // Only scheme 4 holds codes beyond GB2312: 刪 and 輸.
    CHECK(outsideGb2312 == (article.scheme == 4 ? 2 : 0));

    const std::vector<std::string_view> lines = Lines(text);
    if (article.wholeFirstLine) CHECK(lines.front() == article.firstLineStart);
    else CHECK(lines.front().substr(0, article.firstLineStart.size()) == article.firstLineStart);
    CHECK(EndsWith(text, article.ending));
    CHECK(HeadingsInOrder(lines, article.headings));
    article.form(text, lines);
  }
}

TEST_CASE("the look-up hands out one fixed view per scheme, without copying") {
  std::vector<const char*> seen;
  for (SchemeNumber n = ArticleCatalogue::kFirstScheme; n <= ArticleCatalogue::kLastScheme; ++n) {
    CAPTURE(n);
    const std::string_view first = ArticleCatalogue::text(n);
    const std::string_view again = ArticleCatalogue::text(n);
    CHECK(first.data() == again.data());
    CHECK(first.size() == again.size());
    for (const char* other : seen) CHECK(other != first.data());
    seen.push_back(first.data());
  }
  // Back to back in one block, each followed by its NUL.
  for (SchemeNumber n = 1; n < 6; ++n) {
    const std::string_view text = ArticleCatalogue::text(n);
    CHECK(text.data() + text.size() + 1 == ArticleCatalogue::text(n + 1).data());
  }
  // The longest article comes out whole, past any 16-bit length.
  CHECK(ArticleCatalogue::text(1).size() > 25000);
}

TEST_CASE("a scheme number outside 1 to 6 gives an empty, NUL-terminated view") {
  for (SchemeNumber n : {0, 7, -1, 1000, -2147483647 - 1, 2147483647}) {
    CAPTURE(n);
    const std::string_view text = ArticleCatalogue::text(n);
    CHECK(text.empty());
    REQUIRE(text.data() != nullptr);
    CHECK(*text.data() == '\0');
  }
}
