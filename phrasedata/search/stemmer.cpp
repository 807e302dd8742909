#include "stemmer.h"

#include <libstemmer.h>

Stemmer::Stemmer(const char* language) : stemmer(sb_stemmer_new(language, "UTF_8")) {}

Stemmer::~Stemmer()
{
    if (stemmer)
        sb_stemmer_delete(stemmer);
}

std::string Stemmer::Stem(std::string_view word) const
{
    if (!stemmer || word.empty())
        return std::string(word);
    const sb_symbol* stem =
        sb_stemmer_stem(stemmer, reinterpret_cast<const sb_symbol*>(word.data()), int(word.size()));
    if (!stem)
        return std::string(word);
    return std::string(reinterpret_cast<const char*>(stem), std::size_t(sb_stemmer_length(stemmer)));
}
