#include "tools/rescheck/ResourceIds.h"

#include <cctype>
#include <cstdlib>
#include <map>

namespace {

struct Token
{
    enum Kind { WORD, STRING, PUNCT, END } kind = END;
    std::string strText;
    std::string strWhere;
};

// Splits the script into words, strings and punctuation, following the
// preprocessor's line markers ("# 12 "file"") for the places.
class Lexer
{
public:
    explicit Lexer(const std::string& strText) : m_text(strText) {}

    Token Next()
    {
        SkipBlanksAndMarkers();
        Token token;
        token.strWhere = m_strFile + ":" + std::to_string(m_nLine);
        if (m_nPos >= m_text.size())
            return token;
        const char ch = m_text[m_nPos];
        if (ch == '"') {
            token.kind = Token::STRING;
            token.strText = ReadString();
        } else if (IsWordChar(ch)) {
            token.kind = Token::WORD;
            while (m_nPos < m_text.size() && IsWordChar(m_text[m_nPos]))
                token.strText += m_text[m_nPos++];
        } else {
            token.kind = Token::PUNCT;
            token.strText = std::string(1, ch);
            ++m_nPos;
        }
        return token;
    }

private:
    static bool IsWordChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; }

    void SkipBlanksAndMarkers()
    {
        while (m_nPos < m_text.size()) {
            const char ch = m_text[m_nPos];
            if (ch == '\n') {
                ++m_nLine;
                ++m_nPos;
                m_bLineStart = true;
            } else if (std::isspace(static_cast<unsigned char>(ch))) {
                ++m_nPos;
            } else if (ch == '#' && m_bLineStart) {
                ReadMarker();
            } else {
                m_bLineStart = false;
                return;
            }
        }
    }

    // "# <line> "<file>" <flags>": the next line is <line> of <file>.
    void ReadMarker()
    {
        const size_t nEnd = m_text.find('\n', m_nPos);
        const std::string strLine = m_text.substr(m_nPos + 1, nEnd == std::string::npos ? std::string::npos
                                                                                         : nEnd - m_nPos - 1);
        m_nPos = nEnd == std::string::npos ? m_text.size() : nEnd + 1;
        char* pEnd = nullptr;
        const long nLine = std::strtol(strLine.c_str(), &pEnd, 10);
        const size_t nOpen = strLine.find('"');
        const size_t nClose = nOpen == std::string::npos ? nOpen : strLine.find('"', nOpen + 1);
        if (pEnd != strLine.c_str() && nClose != std::string::npos) {
            m_nLine = static_cast<int>(nLine);
            m_strFile = strLine.substr(nOpen + 1, nClose - nOpen - 1);
        } else {
            ++m_nLine;
        }
    }

    // A string with "" and backslash escapes kept as they are.
    std::string ReadString()
    {
        std::string strText(1, m_text[m_nPos++]);
        while (m_nPos < m_text.size()) {
            const char ch = m_text[m_nPos++];
            strText += ch;
            if (ch == '\\' && m_nPos < m_text.size()) {
                strText += m_text[m_nPos++];
            } else if (ch == '"') {
                if (m_nPos < m_text.size() && m_text[m_nPos] == '"')
                    strText += m_text[m_nPos++];
                else
                    break;
            } else if (ch == '\n') {
                ++m_nLine;
            }
        }
        return strText;
    }

    const std::string& m_text;
    size_t m_nPos = 0;
    int m_nLine = 1;
    bool m_bLineStart = true;
    std::string m_strFile = "<script>";
};

bool IsOneOf(const std::string& strWord, std::initializer_list<const char*> words)
{
    for (const char* pszWord : words)
        if (strWord == pszWord)
            return true;
    return false;
}

bool IsBegin(const Token& token) { return token.strText == "BEGIN" || token.strText == "{"; }
bool IsEnd(const Token& token) { return token.strText == "END" || token.strText == "}"; }

std::string NormalType(const std::string& strType)
{
    if (strType == "MENUEX")
        return "MENU";
    return strType == "DIALOGEX" ? "DIALOG" : strType;
}

// The value of an id made of numbers, parentheses, +, - and |; the name in
// upper case for anything else.
class IdValue
{
public:
    static std::string Of(const std::vector<Token>& tokens)
    {
        IdValue parser(tokens);
        long long nValue = 0;
        if (parser.Expression(nValue) && parser.m_nPos == tokens.size())
            return std::to_string(static_cast<unsigned short>(nValue));
        std::string strName;
        for (const Token& token : tokens)
            strName += token.strText;
        for (char& ch : strName)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return strName;
    }

private:
    explicit IdValue(const std::vector<Token>& tokens) : m_tokens(tokens) {}

    bool Expression(long long& nValue)
    {
        if (!Term(nValue))
            return false;
        while (m_nPos < m_tokens.size() && IsOneOf(m_tokens[m_nPos].strText, {"+", "-", "|"})) {
            const char chOp = m_tokens[m_nPos++].strText[0];
            long long nRight = 0;
            if (!Term(nRight))
                return false;
            nValue = chOp == '+' ? nValue + nRight : chOp == '-' ? nValue - nRight : (nValue | nRight);
            nValue &= 0xFFFFFFFF;
        }
        return true;
    }

    bool Term(long long& nValue)
    {
        if (m_nPos >= m_tokens.size())
            return false;
        const Token& token = m_tokens[m_nPos++];
        if (token.strText == "-" || token.strText == "(") {
            if (!(token.strText == "-" ? Term(nValue) : Expression(nValue)))
                return false;
            if (token.strText == "-") {
                nValue = -nValue & 0xFFFFFFFF;
                return true;
            }
            return m_nPos < m_tokens.size() && m_tokens[m_nPos++].strText == ")";
        }
        return Number(token.strText, nValue);
    }

    static bool Number(const std::string& strText, long long& nValue)
    {
        if (strText.empty() || !std::isdigit(static_cast<unsigned char>(strText[0])))
            return false;
        char* pEnd = nullptr;
        nValue = static_cast<long long>(std::strtoull(strText.c_str(), &pEnd, 0) & 0xFFFFFFFF);
        while (*pEnd == 'L' || *pEnd == 'l' || *pEnd == 'U' || *pEnd == 'u')
            ++pEnd;
        return *pEnd == '\0';
    }

    const std::vector<Token>& m_tokens;
    size_t m_nPos = 0;
};

class ScriptReader
{
public:
    explicit ScriptReader(const std::string& strScript) : m_lexer(strScript) { Advance(); }

    std::vector<ResourceDefinition> ReadAll()
    {
        while (m_token.kind != Token::END)
            Statement();
        return m_resources;
    }

private:
    void Advance() { m_token = m_lexer.Next(); }

    void Statement()
    {
        if (m_token.strText == "LANGUAGE")
            return Language();
        if (m_token.strText == "STRINGTABLE")
            return StringTable();
        const std::string strWhere = m_token.strWhere;
        const std::vector<Token> id = IdTokens();
        if (id.empty() || m_token.kind != Token::WORD) {
            Advance();  // not a resource statement: step over it
            return;
        }
        const std::string strType = NormalType(m_token.strText);
        Advance();
        Add(strType, IdValue::Of(id), strWhere);
        SkipBody(strType);
    }

    // A name or number, or an expression in parentheses.
    std::vector<Token> IdTokens()
    {
        std::vector<Token> id;
        if (m_token.kind == Token::WORD) {
            id.push_back(m_token);
            Advance();
        } else if (m_token.strText == "(") {
            int nDepth = 0;
            do {
                nDepth += m_token.strText == "(" ? 1 : m_token.strText == ")" ? -1 : 0;
                id.push_back(m_token);
                Advance();
            } while (nDepth > 0 && m_token.kind != Token::END);
        }
        return id;
    }

    // "LANGUAGE <primary>, <sub>": the language of what follows.
    void Language()
    {
        Advance();
        m_strLanguage = m_token.strText;
        Advance();
        if (m_token.strText != ",")
            return;
        Advance();
        m_strLanguage += "," + m_token.strText;
        Advance();
    }

    // A file name, or options up to a BEGIN ... END block. Only a dialog has
    // strings before its block (caption, font).
    void SkipBody(const std::string& strType)
    {
        while (m_token.kind != Token::END && !IsBegin(m_token)) {
            const bool bFileName = m_token.kind == Token::STRING && strType != "DIALOG";
            Advance();
            if (bFileName)
                return;
        }
        SkipBlock();
    }

    void SkipBlock()
    {
        int nDepth = 0;
        while (m_token.kind != Token::END) {
            nDepth += IsBegin(m_token) ? 1 : IsEnd(m_token) ? -1 : 0;
            Advance();
            if (nDepth <= 0)
                return;
        }
    }

    // Each entry: an id, an optional comma, a string.
    void StringTable()
    {
        Advance();
        while (m_token.kind != Token::END && !IsBegin(m_token))
            Advance();
        Advance();
        while (m_token.kind != Token::END && !IsEnd(m_token)) {
            const std::string strWhere = m_token.strWhere;
            std::vector<Token> id;
            while (m_token.kind != Token::END && m_token.kind != Token::STRING && m_token.strText != ","
                   && !IsEnd(m_token)) {
                id.push_back(m_token);
                Advance();
            }
            if (m_token.strText == ",")
                Advance();
            if (m_token.kind == Token::STRING) {
                Advance();
                if (!id.empty())
                    Add("STRING", IdValue::Of(id), strWhere);
            }
        }
        Advance();
    }

    void Add(const std::string& strType, const std::string& strId, const std::string& strWhere)
    {
        m_resources.push_back({strType, strId, m_strLanguage, strWhere});
    }

    Lexer m_lexer;
    Token m_token;
    std::string m_strLanguage;
    std::vector<ResourceDefinition> m_resources;
};

} // namespace

std::vector<ResourceDefinition> ListResources(const std::string& strScript)
{
    return ScriptReader(strScript).ReadAll();
}

std::vector<std::string> FindDuplicateResources(const std::string& strScript)
{
    std::map<std::string, std::string> firstPlace;
    std::vector<std::string> duplicates;
    for (const ResourceDefinition& resource : ListResources(strScript)) {
        const std::string strKey = resource.strType + " " + resource.strId + " " + resource.strLanguage;
        const auto inserted = firstPlace.emplace(strKey, resource.strWhere);
        if (!inserted.second)
            duplicates.push_back(resource.strWhere + ": " + resource.strType + " " + resource.strId
                                 + " is defined again (first at " + inserted.first->second + ")");
    }
    return duplicates;
}
