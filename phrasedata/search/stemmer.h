#pragma once
// A Snowball stemmer (Debian's libstemmer) for one language: "tickets" and
// "ticket" share the stem "ticket", "réservations" and "réserver" share "reserv".

#include <string>
#include <string_view>

struct sb_stemmer;

class Stemmer {
public:
    // `language` is a Snowball name: "english", "french".
    explicit Stemmer(const char* language);
    ~Stemmer();
    Stemmer(const Stemmer&) = delete;
    Stemmer& operator=(const Stemmer&) = delete;

    // The stem of a lower-case UTF-8 word; the word itself when it cannot be stemmed.
    std::string Stem(std::string_view word) const;

private:
    // The same algorithm built for two encodings. Folded words are nearly
    // all plain ASCII, which reads the same in both, and the Latin-1 build
    // stems them up to twice as fast as the UTF-8 one, which decodes every
    // letter it looks at.
    sb_stemmer* asciiStemmer;
    sb_stemmer* utf8Stemmer;
};
