#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk {

// The first entry of an ASX playlist: its clip information and the media it names.
struct AsxEntry {
    std::string title;
    std::string author;
    std::string copyright;
    // Every Ref href of the entry, in order; the player plays the first that opens.
    std::vector<std::string> refs;
};

// Reads ASX text leniently: tags are matched ignoring case and nothing is taken as strict
// XML, because the player's own wrapper writes "&" and "<" unescaped inside href and titles.
// A document without an entry gives the refs and titles found anywhere in it.
AsxEntry ReadAsx(std::string_view text);

// href with the five XML entities (&amp; &lt; &gt; &quot; &apos;) decoded. Files from other
// writers escape their URLs; the player's own do not, so callers try both.
std::string DecodeXmlEntities(std::string_view text);

}  // namespace zuk
