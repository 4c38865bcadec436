#include "driver/mensagens.hpp"

#include <array>

namespace quelmaro {
namespace {

struct Textos {
    std::string_view ingles, portugues;
};

// A line of the protocol or of the greeting, the same in both languages.
constexpr Textos igual(std::string_view t) { return {t, t}; }

// In the order of the enumeration.
constexpr std::array<Textos, static_cast<int>(Mensagem::Total)> TEXTOS{{
    igual("Welcome to Quelmaro!!"),
    igual("English(e) or Portuguese(p)?"),
    {"Do you want chessboard? y/n?", "Voce quer usar tabuleiro? s/n?"},
    {"Do you want to start? (play with white?)", "Voce quer comecar? (joga com as brancas?) s/n?"},
    {"What is your move? Ex: e2e4, c2-c3, Nb1a3, etc.",
     "Qual e' seu movimento? Ex: e2e4, c2-c3, Cb1a3, etc."},
    {"     Computer                            Quelmaro",
     "     Computador                          Quelmaro"},
    {"     Human                               Quelmaro",
     "     Humano                              Quelmaro"},
    {"     Human                                Quelmaro",
     "     Humano                               Quelmaro"},
    {"    Human", "    Humano"},
    {"    Computer", "    computador"},
    {"    Computer", "    Computador"},
    {"My move is: ", "Meu movimento e': "},
    {"Game over! I win.", "Fim de jogo! Eu ganhei."},
    {"Stalemate! The game is a draw.", "Afogamento! O jogo empatou."},
    {"What is your move?", "Qual e' seu movimento?"},
    {"This move is not allowed. What is your move?",
     "Esse movimento nao e' permitido. Qual e' seu movimento?"},
    {"", " Por qual peca voce deseja trocar seu peao?"},
    {" 1- Queen, 2- Knight, 3- Bishop, 4- Rook.", " 1- Dama, 2- Cavalo, 3- Bispo, 4- Torre."},
    {"You win!", "Voc\xC3\xAA ganhou!"},
    {"I can't move. Draw!", "Nao posso mexer. Empate!"},
    {"Press a character to exit.", "Pressione um caracter para sair."},
    {"Enter the name of the file.", "Entre o nome do arquivo."},
    {"Enter the name of the file", "Entre o nome do arquivo"},
    {"My last move was: ", "Meu ultimo movimento foi: "},
    {"The game could not be saved.", "Nao foi possivel salvar o jogo."},
    {"The game could not be loaded.", "Nao foi possivel carregar o jogo."},
    igual("move "),
    igual("Illegal move: "),
    igual("0-1 {Black mates}"),
    igual("1-0 {White mates}"),
    igual("1/2-1/2 {Stalemate}"),
    igual("1-0 {White Mates}"),
    igual("0-1 {Black Mates}"),
    igual("1/2-1/2 {Draw by stalemate}"),
    igual("offer draw"),
    igual("feature myname=\"Quelmaro\" ping=1 setboard=0 usermove=0 san=0 time=0 draw=1 sigint=0 "
          "sigterm=0 reuse=1 analyze=0 colors=0 done=1"),
    igual("pong "),
}};

} // namespace

std::string_view texto(Mensagem m, bool ingles) {
    const Textos& t = TEXTOS[static_cast<int>(m)];
    return ingles ? t.ingles : t.portugues;
}

} // namespace quelmaro
