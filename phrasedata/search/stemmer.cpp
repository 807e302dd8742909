#include "stemmer.h"

#include <libstemmer.h>

#include <algorithm>

Stemmer::Stemmer(const char* language)
    : asciiStemmer(sb_stemmer_new(language, "ISO_8859_1")), utf8Stemmer(sb_stemmer_new(language, "UTF_8"))
{
}

Stemmer::~Stemmer()
{
    for (sb_stemmer* stemmer : {asciiStemmer, utf8Stemmer})
        if (stemmer)
            sb_stemmer_delete(stemmer);
}

std::string Stemmer::Stem(std::string_view word) const
{
    const bool ascii = std::all_of(word.begin(), word.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    sb_stemmer* const stemmer = ascii && asciiStemmer ? asciiStemmer : utf8Stemmer;
    if (!stemmer || word.empty())
        return std::string(word);
    const sb_symbol* stem =
        sb_stemmer_stem(stemmer, reinterpret_cast<const sb_symbol*>(word.data()), int(word.size()));
    if (!stem)
        return std::string(word);
    return std::string(reinterpret_cast<const char*>(stem), std::size_t(sb_stemmer_length(stemmer)));
}
