#include "driver/tradutor.hpp"

#include <ostream>

#include "driver/mensagens.hpp"

namespace quelmaro {
namespace {

enum class Papel {
    Palavra,   // gives the output word
    Empate,    // "draw": may be answered with "offer draw"
    Recursos,  // "protover": answered with the feature line
    Ping,      // "ping N": answered with "pong N"
    Argumento, // as Palavra, with the whole rest of a long line
};

// The build that knows a word; the other one reads it past.
enum class Onde { ambas, console, xboard };

struct Chave {
    std::string_view entrada; // compared with the start of the line, blanks included
    std::string_view saida;
    Papel papel = Papel::Palavra;
    Onde onde = Onde::ambas;
};

// In the order of the tests.
// clang-format off
constexpr Chave CHAVES[] = {
    {"go ", "play"}, {"GO ", "play"}, {"Go ", "play"},
    {"play", "play"}, {"PLAY", "play"}, {"Play", "play"},
    {"save", "save"},
    {"open", "open"}, {"load", "open"},
    {"turn", "turn"}, {"reverse", "turn"},
    {"quit", "quit"}, {"exit", "quit"},
    {"O-O ", "proq"}, {"o-o ", "proq"}, {"0-0 ", "proq"},
    {"O-O-O", "groq"}, {"o-o-o", "groq"},
    {"new ", "nova"},
    {"draw", "", Papel::Empate},
    {"protover", "", Papel::Recursos, Onde::xboard},
    {"ping ", "", Papel::Ping, Onde::xboard},
    {"force", "forc", Papel::Palavra, Onde::xboard},
    {"undo", "undo"},
    {"remove", "remo", Papel::Palavra, Onde::xboard},
    {"result", "resu", Papel::Palavra, Onde::xboard},
    {"setboard ", "setb", Papel::Argumento, Onde::xboard},
    {"post", "post", Papel::Palavra, Onde::xboard},
    {"nopost", "nopo", Papel::Palavra, Onde::xboard},
    {"hint ", "hint"},
    {"pgn ", "pgn "},
    {"help ", "help", Papel::Palavra, Onde::console},
    {"why ", "why ", Papel::Palavra, Onde::console},
    {"moves ", "movs", Papel::Palavra, Onde::console},
};
// clang-format on

constexpr std::string_view LETRAS_DE_PECA = "NKQBPRDC";
constexpr std::string_view LETRAS_DE_PROMOCAO = "qnbr";

bool letra(char c) { return c >= 'a' && c <= 'h'; }
bool digito(char c) { return c >= '1' && c <= '8'; }

} // namespace

void Tradutor::le(const Tabuleiro& tabuleiro, int lance_do_jogo, const LeitorDeSan& san) {
    for (;;) {
        promocao_caracter = '\0';
        argumento.clear();
        std::string linha = console_.pedaco(TAMANHO_DA_LINHA);
        std::string s = linha;
        if (s.size() < 8) s.resize(8, ' ');

        // A promotion letter right after a plain move.
        if (letra(s[0]) && digito(s[1]) && letra(s[2]) && digito(s[3]) &&
            LETRAS_DE_PROMOCAO.find(s[4]) != std::string_view::npos)
            promocao_caracter = s[4];

        const Chave* chave = nullptr;
        for (const Chave& c : CHAVES)
            if (c.onde != (xboard_.Winboard ? Onde::console : Onde::xboard) &&
                s.starts_with(c.entrada)) {
                chave = &c;
                break;
            }
        if (chave) {
            std::ostream& out = console_.saida();
            switch (chave->papel) {
            case Papel::Argumento:
                // The whole rest of the line, however long.
                if (console_.cortada()) linha += console_.linha();
                [[fallthrough]];
            case Papel::Palavra:
                std::copy(chave->saida.begin(), chave->saida.end(), saidatrad.begin());
                if (linha.size() > chave->entrada.size()) {
                    argumento = linha.substr(chave->entrada.size());
                    argumento.erase(0, argumento.find_first_not_of(" \t"));
                    argumento.erase(argumento.find_last_not_of(" \t\r") + 1);
                }
                return;
            case Papel::Empate:
                if (tabuleiro.soma() <= 0 && lance_do_jogo > 10)
                    out << texto(Mensagem::OfereceEmpate, true) << std::endl;
                continue;
            case Papel::Recursos: out << texto(Mensagem::Recursos, true) << std::endl; continue;
            case Papel::Ping:
                out << texto(Mensagem::Pong, true)
                    << (linha.size() > chave->entrada.size() ? linha.substr(chave->entrada.size())
                                                             : "")
                    << std::endl;
                continue;
            }
        }

        // One upper-case piece letter may stand before a move.
        if (LETRAS_DE_PECA.find(s[0]) != std::string_view::npos) s.erase(0, 1);
        if (letra(s[0]) && digito(s[1]) && letra(s[2]) && digito(s[3])) {
            saidatrad = {s[0], s[1], s[2], s[3]};
            return;
        }
        if (letra(s[0]) && digito(s[1]) && (s[2] == '-' || s[2] == 'x') && letra(s[3]) &&
            digito(s[4])) {
            saidatrad = {s[0], s[1], s[3], s[4]};
            return;
        }
        if (san) {
            const std::string_view palavra = std::string_view(linha).substr(0, linha.find(' '));
            if (!palavra.empty() && san(palavra)) {
                palavra_san = palavra;
                saidatrad = {'s', 'a', 'n', ' '};
                return;
            }
        }
    }
}

} // namespace quelmaro
