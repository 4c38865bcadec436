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
    {"Moves: e2e4, c2-c3, e4xd5, Nb1a3, O-O, O-O-O.\n"
     "Or as players write them: e4, exd5, Nf3, Nbd2, R1a3, Qh4e1, e8=Q, O-O+.\n"
     "Commands at the move prompt:\n"
     "  turn, reverse   turn the board drawing upside down\n"
     "  save            save the game to a file\n"
     "  open, load      load a saved game, a PGN file or a FEN\n"
     "  new             start a new game\n"
     "  play, go        let the computer play your side\n"
     "  draw            offer a draw\n"
     "  help            list the commands\n"
     "  why             tell which rule chose the computer's last move\n"
     "  why MOVE        tell what I saw in MOVE when I chose my last move\n"
     "  hint            suggest a move for you\n"
     "  undo            take back your last move and the computer's answer\n"
     "  pgn             write the game to a PGN file\n"
     "  moves           show the moves of the game\n"
     "  quit, exit      leave the program",
     "Lances: e2e4, c2-c3, e4xd5, Cb1a3, O-O, O-O-O.\n"
     "Ou como os jogadores escrevem: e4, exd5, Cf3, Cbd2, T1a3, Dh4e1, e8=D, O-O+.\n"
     "Comandos na hora do seu lance:\n"
     "  turn, reverse   vira o desenho do tabuleiro\n"
     "  save            salva o jogo num arquivo\n"
     "  open, load      carrega um jogo salvo, um arquivo PGN ou uma FEN\n"
     "  new             comeca um jogo novo\n"
     "  play, go        o computador joga com as suas pecas\n"
     "  draw            propoe empate\n"
     "  help            mostra os comandos\n"
     "  why             diz qual regra escolheu o ultimo lance do computador\n"
     "  why LANCE       diz o que vi em LANCE quando escolhi meu ultimo lance\n"
     "  hint            sugere um lance para voce\n"
     "  undo            desfaz seu ultimo lance e a resposta do computador\n"
     "  pgn             grava o jogo num arquivo PGN\n"
     "  moves           mostra os lances da partida\n"
     "  quit, exit      sai do programa"},
    {"Rule ", "Regra "},
    {"There is no move of mine to explain yet.", "Ainda nao ha lance meu para explicar."},
    {"Hint: ", "Sugestao: "},
    {"You have no move to make.", "Voce nao tem nenhum lance."},
    {"There is no move to take back.", "Nao ha lance para desfazer."},
    {"The PGN file could not be written.", "Nao foi possivel gravar o arquivo PGN."},
    {"Rule {} chose it.", "A regra {} o escolheu."},
    {"Rule {} would also take it; the last of its moves in scan order wins.",
     "A regra {} tambem o aceitaria; vence o ultimo dos seus lances na ordem da varredura."},
    {"Rule {} would choose {}, but rule {} came first and chose {}.",
     "A regra {} escolheria {}, mas a regra {} veio antes e escolheu {}."},
    {"No rule before the fallbacks takes it.", "Nenhuma regra antes das de recurso o aceita."},
    {"My fixed opening move chose it.", "Meu lance fixo de abertura o escolheu."},
    {"Rule {} would choose {}, but my fixed opening move came first and chose {}.",
     "A regra {} escolheria {}, mas meu lance fixo de abertura veio antes e escolheu {}."},
    {"{} was not one of my moves there.", "{} nao era um dos meus lances ali."},
    {"I cannot read {} as a move.", "Nao consigo ler {} como um lance."},
    {"It takes nothing and threatens nothing, and no reply of yours wins anything.",
     "Nao toma nada nem ameaca nada, e nenhuma resposta sua ganha algo."},
    {" on {}", " em {}"},
    {"{}: cannot load a position from '{}'", "{}: nao foi possivel carregar uma posicao de '{}'"},
    {"Ambiguous move: ", "Lance ambiguo: "},
    {" or ", " ou "},
    {"The game started from: ", "A partida comecou em: "},
    {"No move has been played yet.", "Nenhum lance foi jogado ainda."},
    igual("move "),
    igual("Illegal move: "),
    igual("0-1 {Black mates}"),
    igual("1-0 {White mates}"),
    igual("1/2-1/2 {Stalemate}"),
    igual("1-0 {White Mates}"),
    igual("0-1 {Black Mates}"),
    igual("1/2-1/2 {Draw by stalemate}"),
    igual("offer draw"),
    igual("feature myname=\"Quelmaro\" ping=1 setboard=1 usermove=0 san=0 time=0 draw=1 sigint=0 "
          "sigterm=0 reuse=1 analyze=0 colors=0 done=1"),
    igual("pong "),
    igual("tellusererror Illegal position"),
    igual("id name Quelmaro "),
    igual("id author the Quelmaro developers"),
    igual("uciok"),
    igual("readyok"),
    igual("bestmove "),
    igual("bestmove 0000"),
    igual("info string Illegal move: "),
    igual("info string Illegal position"),
}};

} // namespace

std::string preenche(std::string_view modelo, std::initializer_list<std::string_view> valores) {
    std::string s;
    auto valor = valores.begin();
    for (std::size_t i = 0; i < modelo.size(); ++i) {
        if (modelo.compare(i, 2, "{}") == 0 && valor != valores.end()) {
            s += *valor++;
            ++i;
        } else {
            s += modelo[i];
        }
    }
    return s;
}

std::string_view texto(Mensagem m, bool ingles) {
    const Textos& t = TEXTOS[static_cast<int>(m)];
    return ingles ? t.ingles : t.portugues;
}

} // namespace quelmaro
