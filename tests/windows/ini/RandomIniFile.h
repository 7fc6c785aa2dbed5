#pragma once

// Settings files made from a random stream, with the names they use, for comparing our
// reader and writer with the platform's.

#include <random>
#include <string>
#include <vector>

namespace wavorin::ini::oracle {

struct RandomIniFile {
    std::string text;
    std::vector<std::string> sections;  // names the file may use, one of them never
    std::vector<std::string> keys;
};

// Draws from an alphabet both readers must agree on: ASCII letters of both cases,
// digits, blanks, '=', '[', ']', ';', quotes, CR, LF, caseless two-byte CP932 characters
// (several with a second byte of '[', ']', '\', 'A' or 'a') and half-width katakana.
// Left out on purpose (see the differences listed in ini_oracle_test.cpp): byte order
// marks, lone lead bytes, NUL, letters with case outside ASCII, "[]" headers.
RandomIniFile MakeRandomIniFile(std::mt19937& random);

// A spelling of name the platform must treat as the same: ASCII case flipped at random,
// blanks around it.
std::string Respelled(const std::string& name, std::mt19937& random);

// A value for writing: what files hold, without line breaks.
std::string RandomValue(std::mt19937& random);

}  // namespace wavorin::ini::oracle
