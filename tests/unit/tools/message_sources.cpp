#include "tests/unit/tools/message_sources.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <unordered_map>

namespace tarvok::testing {

namespace {

enum class TokenKind { Word, String, Symbol };

struct Token {
    TokenKind kind;
    std::string text;  // a string literal's bytes after its escapes
    int line;
};

bool is_word_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The bytes of one escape sequence after its backslash; i is left on its last character.
std::string escape_value(const std::string& s, std::size_t& i) {
    const char c = s[i];
    switch (c) {
        case 'n': return "\n";
        case 'r': return "\r";
        case 't': return "\t";
        case 'x': {
            int value = 0;
            while (i + 1 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) != 0) {
                value = value * 16 + std::stoi(std::string(1, s[++i]), nullptr, 16);
            }
            return std::string(1, static_cast<char>(value));
        }
        default:
            if (c >= '0' && c <= '7') {
                int value = c - '0';
                for (int n = 0; n < 2 && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '7'; ++n) {
                    value = value * 8 + (s[++i] - '0');
                }
                return std::string(1, static_cast<char>(value));
            }
            return std::string(1, c);  // \\ \" \' \?
    }
}

// C++ tokens without comments, preprocessor lines and character literals.
std::vector<Token> tokens_of(const std::string& s) {
    std::vector<Token> tokens;
    int line = 1;
    bool line_start = true;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\n') {
            ++line;
            line_start = true;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c)) != 0) continue;
        if (c == '#' && line_start) {  // a preprocessor line, with its continuations
            while (i < s.size() && !(s[i] == '\n' && s[i - 1] != '\\')) {
                if (s[i] == '\n') ++line;
                ++i;
            }
            --i;
            continue;
        }
        line_start = false;
        if (s.compare(i, 2, "//") == 0) {
            while (i + 1 < s.size() && s[i + 1] != '\n') ++i;
        } else if (s.compare(i, 2, "/*") == 0) {
            for (i += 2; i + 1 < s.size() && s.compare(i, 2, "*/") != 0; ++i) {
                if (s[i] == '\n') ++line;
            }
            ++i;
        } else if (c == 'R' && i + 1 < s.size() && s[i + 1] == '"') {  // R"delimiter(...)delimiter"
            const std::size_t open = s.find('(', i);
            std::string close = ")";
            close += s.substr(i + 2, open - i - 2);
            close += '"';
            const std::size_t end = s.find(close, open);
            const std::string value = s.substr(open + 1, end - open - 1);
            tokens.push_back({TokenKind::String, value, line});
            for (char v : value) line += v == '\n' ? 1 : 0;
            i = end + close.size() - 1;
        } else if (c == '"') {
            std::string value;
            for (++i; i < s.size() && s[i] != '"'; ++i) {
                if (s[i] == '\\') {
                    ++i;
                    value += escape_value(s, i);
                } else {
                    value += s[i];
                }
            }
            tokens.push_back({TokenKind::String, value, line});
        } else if (c == '\'') {
            for (++i; i < s.size() && s[i] != '\''; ++i) {
                if (s[i] == '\\') ++i;
            }
        } else if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            // A number, digit separators included (1'000'000).
            while (i + 1 < s.size() && (is_word_char(s[i + 1]) || s[i + 1] == '.' || s[i + 1] == '\'')) ++i;
            tokens.push_back({TokenKind::Symbol, "0", line});
        } else if (is_word_char(c)) {
            std::size_t end = i;
            while (end < s.size() && is_word_char(s[end])) ++end;
            tokens.push_back({TokenKind::Word, s.substr(i, end - i), line});
            i = end - 1;
        } else if (s.compare(i, 2, "::") == 0) {
            tokens.push_back({TokenKind::Symbol, "::", line});
            ++i;
        } else {
            tokens.push_back({TokenKind::Symbol, std::string(1, c), line});
        }
    }
    return tokens;
}

using Constants = std::unordered_map<std::string, std::string>;

// Named string constants: a capitalised name given a string literal with "=", as in
// constexpr std::string_view StartAddressError = "...";
void collect_constants(const std::vector<Token>& t, Constants& constants) {
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        const bool capitalised =
            t[i].kind == TokenKind::Word && std::isupper(static_cast<unsigned char>(t[i].text[0])) != 0;
        if (!capitalised || t[i + 1].text != "=" || t[i + 2].kind != TokenKind::String) continue;
        std::string value;
        std::size_t j = i + 2;
        while (j < t.size() && t[j].kind == TokenKind::String) value += t[j++].text;
        if (j < t.size() && (t[j].text == ";" || t[j].text == ",")) constants[t[i].text] = value;
    }
}

bool opens(const Token& t) { return t.text == "(" || t.text == "[" || t.text == "{"; }
bool closes(const Token& t) { return t.text == ")" || t.text == "]" || t.text == "}"; }

using Span = std::vector<Token>;

// The arguments of the call whose "(" is at t[open], split at the commas outside brackets.
std::vector<Span> arguments(const std::vector<Token>& t, std::size_t open) {
    std::vector<Span> args(1);
    int depth = 0;
    for (std::size_t i = open + 1; i < t.size(); ++i) {
        if (opens(t[i])) ++depth;
        if (closes(t[i]) && depth-- == 0) break;
        if (depth == 0 && t[i].text == ",") {
            args.emplace_back();
        } else {
            args.back().push_back(t[i]);
        }
    }
    return args;
}

// An argument of the form "condition ? a : b" gives a and b (each split again); any other
// argument gives itself.
std::vector<Span> choices(const Span& arg) {
    int depth = 0;
    std::size_t question = arg.size();
    for (std::size_t i = 0; i < arg.size(); ++i) {
        if (opens(arg[i])) ++depth;
        if (closes(arg[i])) --depth;
        if (depth != 0) continue;
        if (question == arg.size() && arg[i].text == "?") question = i;
        if (question != arg.size() && arg[i].text == ":") {
            std::vector<Span> both = choices(Span(arg.begin() + static_cast<long>(question) + 1,
                                                  arg.begin() + static_cast<long>(i)));
            for (Span& rest : choices(Span(arg.begin() + static_cast<long>(i) + 1, arg.end()))) {
                both.push_back(std::move(rest));
            }
            return both;
        }
    }
    return {arg};
}

// The fixed parts of a text argument: literals and named constants joined by "+" make one part;
// anything else (a name, a call, a bracketed expression) is made at run time and ends a part.
std::vector<std::string> fixed_pieces(const Span& arg, const Constants& constants) {
    std::vector<std::string> pieces;
    std::string piece;
    auto end_piece = [&] {
        if (!piece.empty()) pieces.push_back(piece);
        piece.clear();
    };
    int depth = 0;
    for (const Token& token : arg) {
        if (opens(token)) ++depth;
        if (closes(token)) {
            --depth;
            continue;
        }
        if (depth > 0) {
            end_piece();
            continue;
        }
        const auto constant = constants.find(token.text);
        if (token.kind == TokenKind::String) {
            piece += token.text;
        } else if (token.kind == TokenKind::Word && constant != constants.end()) {
            piece += constant->second;
        } else if (token.text != "+") {
            end_piece();
        }
    }
    end_piece();
    return pieces;
}

bool is_control_word(const std::string& word) {
    return word == "if" || word == "for" || word == "while" || word == "switch" || word == "catch";
}

// The parameter list of the function whose body holds t[at]: the index of its "(", or 0 when
// t[at] is not inside a function.
std::size_t enclosing_parameters(const std::vector<Token>& t, std::size_t at) {
    int depth = 0;
    for (std::size_t i = at; i-- > 0;) {
        if (t[i].text == "}") {
            ++depth;
        } else if (t[i].text == "{" && depth > 0) {
            --depth;
        } else if (t[i].text == "{") {
            // An enclosing block: a function body follows its ")" (and words such as const).
            std::size_t close = i;
            while (close > 0 && t[close - 1].kind == TokenKind::Word) --close;
            if (close == 0 || t[close - 1].text != ")") continue;
            int nested = 0;
            std::size_t open = close - 1;
            while (open-- > 0) {
                if (t[open].text == ")") ++nested;
                if (t[open].text == "(" && nested-- == 0) break;
            }
            if (open > 0 && open < t.size() && t[open - 1].kind == TokenKind::Word &&
                !is_control_word(t[open - 1].text)) {
                return open;
            }
        }
    }
    return 0;
}

// A function that shows a box with a title of its own and a text its caller gives.
struct Reporter {
    std::string title;
    std::size_t text_argument;
};

}  // namespace

std::vector<ShownMessage> messages_in_sources(const std::filesystem::path& root,
                                              const std::vector<std::string>& folders) {
    struct Source {
        std::string name;
        std::vector<Token> tokens;
    };
    std::vector<Source> sources;
    Constants constants;
    for (const std::string& folder : folders) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            sources.push_back({std::filesystem::relative(entry.path(), root).string(), tokens_of(text)});
            collect_constants(sources.back().tokens, constants);
        }
    }
    std::vector<ShownMessage> messages;
    std::unordered_map<std::string, Reporter> reporters;
    auto add = [&](const Source& source, const Token& call, const std::string& title, const Span& text) {
        for (const Span& choice : choices(text)) {
            messages.push_back({source.name + ":" + std::to_string(call.line), title,
                                fixed_pieces(choice, constants)});
        }
    };
    for (const Source& source : sources) {
        const std::vector<Token>& t = source.tokens;
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            if ((t[i].text != "show_error" && t[i].text != "show_message") || t[i + 1].text != "(") {
                continue;
            }
            const std::vector<Span> args = arguments(t, i + 1);
            if (args.size() < 2) continue;
            const std::vector<std::string> title = fixed_pieces(args[0], constants);
            if (title.size() != 1) continue;  // a title passed in by the caller
            add(source, t[i], title[0], args[1]);
            // A text that is a parameter of the function around the call: its callers give it.
            const std::size_t open = args[1].size() == 1 ? enclosing_parameters(t, i) : 0;
            if (open == 0) continue;
            const std::vector<Span> parameters = arguments(t, open);
            for (std::size_t n = 0; n < parameters.size(); ++n) {
                if (!parameters[n].empty() && parameters[n].back().text == args[1][0].text) {
                    reporters[t[open - 1].text] = Reporter{title[0], n};
                }
            }
        }
    }
    for (const Source& source : sources) {
        const std::vector<Token>& t = source.tokens;
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            const auto reporter = reporters.find(t[i].text);
            if (reporter == reporters.end() || t[i + 1].text != "(") continue;
            const std::vector<Span> args = arguments(t, i + 1);
            const std::size_t n = reporter->second.text_argument;
            // Calls that give a text of their own; the definition and declarations give none.
            if (n < args.size() && !fixed_pieces(args[n], constants).empty()) {
                add(source, t[i], reporter->second.title, args[n]);
            }
        }
    }
    return messages;
}

}  // namespace tarvok::testing
