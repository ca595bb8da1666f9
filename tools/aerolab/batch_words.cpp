// Shell-like word splitting for the lines of a batch.
#include "tools/aerolab/batch_words.h"

namespace aerolab {

std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string* error) {
    std::vector<std::string> words;
    std::string word;
    // A word exists once any character or quote of it is seen, so "" yields an empty word.
    bool inWord = false;
    auto fail = [error](const char* message) -> std::optional<std::vector<std::string>> {
        if (error) *error = message;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (c == '\\') {
            if (i + 1 >= line.size()) return fail("a backslash ends the line");
            word += line[++i];
            inWord = true;
        } else if (c == '\'') {
            const auto end = line.find('\'', i + 1);
            if (end == std::string_view::npos) return fail("a single quote is not closed");
            word.append(line.substr(i + 1, end - i - 1));
            i = end;
            inWord = true;
        } else if (c == '"') {
            std::size_t j = i + 1;
            for (;; ++j) {
                if (j >= line.size()) return fail("a double quote is not closed");
                if (line[j] == '"') break;
                if (line[j] == '\\' && j + 1 < line.size() &&
                    (line[j + 1] == '"' || line[j + 1] == '\\' || line[j + 1] == '$' || line[j + 1] == '`')) {
                    ++j;
                }
                word += line[j];
            }
            i = j;
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace aerolab
