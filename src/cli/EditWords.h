// Options of tabrix-cli edit that name one of a few choices by a word.
#pragma once

#include <initializer_list>
#include <string>

#include "cli/EditCommand.h"

namespace tabrix {

// Sets choice to the position of the option's word among words; leaves it
// when the option is absent. False, with error set, for any other word.
inline bool ChooseWord(const EditArgs& args, std::string_view option, std::initializer_list<const char*> words,
                       int& choice, std::string& error) {
    const auto given = args.text(option);
    if (!given) return true;
    int index = 0;
    std::string list;
    for (const char* word : words) {
        if (*given == word) {
            choice = index;
            return true;
        }
        list += (index++ ? "|" : "") + std::string(word);
    }
    error = std::string(option) + " needs " + list + ": " + *given;
    return false;
}

}  // namespace tabrix
