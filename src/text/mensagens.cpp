#include "text/mensagens.hpp"

#include <array>

namespace quelmaro {
namespace {

struct Textos {
    Mensagem mensagem;
    std::string_view ingles, portugues;
};

// One row per message, in the order of the enumeration; the protocol lines
// and the greeting are the same in both languages.
constexpr Textos TEXTOS[] = {
    {Mensagem::BoasVindas, "Welcome to Quelmaro!!", "Welcome to Quelmaro!!"},
    {Mensagem::EscolhaDeLingua, "English(e) or Portuguese(p)?", "English(e) or Portuguese(p)?"},
    {Mensagem::PerguntaTabuleiro, "Do you want chessboard? y/n?", "Voce quer usar tabuleiro? s/n?"},
    {Mensagem::PerguntaComecar, "Do you want to start? (play with white?)", "Voce quer comecar? (joga com as brancas?) s/n?"},
    {Mensagem::PrimeiroPedido, "What is your move? Ex: e2e4, c2-c3, Nb1a3, etc.",
     "Qual e' seu movimento? Ex: e2e4, c2-c3, Cb1a3, etc."},
    {Mensagem::TituloNormal, "     Computer                            Quelmaro",
     "     Computador                          Quelmaro"},
    {Mensagem::TituloVirado, "     Human                               Quelmaro",
     "     Humano                              Quelmaro"},
    {Mensagem::TituloInicialVirado, "     Human                                Quelmaro",
     "     Humano                               Quelmaro"},
    {Mensagem::RodapeNormal, "    Human", "    Humano"},
    {Mensagem::RodapeVirado, "    Computer", "    computador"},
    {Mensagem::RodapeInicialVirado, "    Computer", "    Computador"},
    {Mensagem::MeuMovimento, "My move is: ", "Meu movimento e': "},
    {Mensagem::FimEuGanhei, "Game over! I win.", "Fim de jogo! Eu ganhei."},
    {Mensagem::Afogado, "Stalemate! The game is a draw.", "Afogamento! O jogo empatou."},
    {Mensagem::PedidoDeLance, "What is your move?", "Qual e' seu movimento?"},
    {Mensagem::LanceRecusado, "This move is not allowed. What is your move?",
     "Esse movimento nao e' permitido. Qual e' seu movimento?"},
    {Mensagem::PromocaoPergunta, "", " Por qual peca voce deseja trocar seu peao?"},
    {Mensagem::PromocaoOpcoes, " 1- Queen, 2- Knight, 3- Bishop, 4- Rook.", " 1- Dama, 2- Cavalo, 3- Bispo, 4- Torre."},
    {Mensagem::VoceGanhou, "You win!", "Voc\xC3\xAA ganhou!"},
    {Mensagem::NaoPossoMexer, "I can't move. Draw!", "Nao posso mexer. Empate!"},
    {Mensagem::PressioneTecla, "Press a character to exit.", "Pressione um caracter para sair."},
    {Mensagem::NomeParaSalvar, "Enter the name of the file.", "Entre o nome do arquivo."},
    {Mensagem::NomeParaAbrir, "Enter the name of the file", "Entre o nome do arquivo"},
    {Mensagem::MeuUltimoLance, "My last move was: ", "Meu ultimo movimento foi: "},
    {Mensagem::NaoSalvou, "The game could not be saved.", "Nao foi possivel salvar o jogo."},
    {Mensagem::NaoCarregou, "The game could not be loaded.", "Nao foi possivel carregar o jogo."},
    {Mensagem::Ajuda, "Moves: e2e4, c2-c3, e4xd5, Nb1a3, O-O, O-O-O.\n"
     "Or as players write them: e4, exd5, Nf3, Nbd2, R1a3, Qh4e1, e8=Q, O-O+.\n"
     "Commands at the move prompt:\n"
     "  turn, reverse   turn the board drawing upside down\n"
     "  save            save the game to a file\n"
     "  open, load      load a saved game, a PGN file or a FEN\n"
     "  new             start a new game\n"
     "  play, go        let the computer play your side",
     "Lances: e2e4, c2-c3, e4xd5, Cb1a3, O-O, O-O-O.\n"
     "Ou como os jogadores escrevem: e4, exd5, Cf3, Cbd2, T1a3, Dh4e1, e8=D, O-O+.\n"
     "Comandos na hora do seu lance:\n"
     "  turn, reverse   vira o desenho do tabuleiro\n"
     "  save            salva o jogo num arquivo\n"
     "  open, load      carrega um jogo salvo, um arquivo PGN ou uma FEN\n"
     "  new             comeca um jogo novo\n"
     "  play, go        o computador joga com as suas pecas"},
    {Mensagem::AjudaFim, "  quit, exit      leave the program", "  quit, exit      sai do programa"},
    {Mensagem::Regra, "Rule ", "Regra "},
    {Mensagem::NadaAExplicar, "There is no move of mine to explain yet.", "Ainda nao ha lance meu para explicar."},
    {Mensagem::Sugestao, "Hint: ", "Sugestao: "},
    {Mensagem::SemLanceSeu, "You have no move to make.", "Voce nao tem nenhum lance."},
    {Mensagem::NadaADesfazer, "There is no move to take back.", "Nao ha lance para desfazer."},
    {Mensagem::NaoGravouPgn, "The PGN file could not be written.", "Nao foi possivel gravar o arquivo PGN."},
    {Mensagem::PorqueEscolheu, "Rule {} chose it.", "A regra {} o escolheu."},
    {Mensagem::PorqueTambem, "Rule {} would also take it; the last of its moves in scan order wins.",
     "A regra {} tambem o aceitaria; vence o ultimo dos seus lances na ordem da varredura."},
    {Mensagem::PorqueOutraRegra, "Rule {} would choose {}, but rule {} came first and chose {}.",
     "A regra {} escolheria {}, mas a regra {} veio antes e escolheu {}."},
    {Mensagem::PorqueNenhuma, "No rule before the fallbacks takes it.", "Nenhuma regra antes das de recurso o aceita."},
    {Mensagem::PorqueAbertura, "My fixed opening move chose it.", "Meu lance fixo de abertura o escolheu."},
    {Mensagem::PorqueAntesDaAbertura, "Rule {} would choose {}, but my fixed opening move came first and chose {}.",
     "A regra {} escolheria {}, mas meu lance fixo de abertura veio antes e escolheu {}."},
    {Mensagem::ForaDasRegras,
     "My only legal moves are ones my rules do not look at (a capture in passing, a pawn's "
     "double step beside yours): I play the first of them.",
     "Meus \xC3\xBAnicos lances legais s\xC3\xA3o lances que minhas regras n\xC3\xA3o olham "
     "(uma captura en passant, o passo duplo de um pe\xC3\xA3o ao lado do seu): jogo o primeiro "
     "deles."},
    {Mensagem::NaoEraCandidato, "{} was not one of my moves there.", "{} nao era um dos meus lances ali."},
    {Mensagem::NaoELance, "I cannot read {} as a move.", "Nao consigo ler {} como um lance."},
    {Mensagem::SemMarcas, "It takes nothing and threatens nothing, and no reply of yours wins anything.",
     "Nao toma nada nem ameaca nada, e nenhuma resposta sua ganha algo."},
    {Mensagem::NaCasa, " on {}", " em {}"},
    {Mensagem::NaoCarregouParaExplicar, "{}: cannot load a position from '{}'", "{}: nao foi possivel carregar uma posicao de '{}'"},
    {Mensagem::LanceAmbiguo, "Ambiguous move: ", "Lance ambiguo: "},
    {Mensagem::OuAinda, " or ", " ou "},
    {Mensagem::PosicaoDeInicio, "The game started from: ", "A partida comecou em: "},
    {Mensagem::NenhumLanceAinda, "No move has been played yet.", "Nenhum lance foi jogado ainda."},
    {Mensagem::AnotacaoDoLance, "Quelmaro: {}. {}", "Quelmaro: {}. {}"},
    {Mensagem::PartidaNaoAnotada, "{}: game {} not annotated: {}",
     "{}: partida {} n\xC3\xA3o anotada: {}"},
    {Mensagem::PgnVazio, "no game in the text", "nenhuma partida no texto"},
    {Mensagem::PgnTag, "a tag that is not [Name \"value\"]",
     "uma etiqueta que n\xC3\xA3o \xC3\xA9 [Nome \"valor\"]"},
    {Mensagem::PgnFen, "its FEN tag is no position that can arise",
     "sua etiqueta FEN n\xC3\xA3o \xC3\xA9 uma posi\xC3\xA7\xC3\xA3o poss\xC3\xADvel"},
    {Mensagem::PgnSimbolo, "a character that has no place among the moves",
     "um caractere que n\xC3\xA3o cabe entre os lances"},
    {Mensagem::PgnComentario, "a comment left open", "um coment\xC3\xA1rio sem fim"},
    {Mensagem::PgnVariacao, "a variation left open or closed twice",
     "uma varia\xC3\xA7\xC3\xA3o aberta sem fim ou fechada duas vezes"},
    {Mensagem::PgnLance, "the move {} {} cannot be played there",
     "o lance {} {} n\xC3\xA3o pode ser jogado ali"},
    {Mensagem::PgnSemResultado, "no result at the end of the moves",
     "nenhum resultado no fim dos lances"},
    {Mensagem::PgnLongo, "more moves than a game can have",
     "mais lances do que uma partida pode ter"},
    {Mensagem::NaoLeuArquivo, "{}: cannot read '{}'", "{}: n\xC3\xA3o foi poss\xC3\xADvel ler '{}'"},
    {Mensagem::Move, "move ", "move "},
    {Mensagem::LanceIlegal, "Illegal move: ", "Illegal move: "},
    {Mensagem::PretasDaoMate, "0-1 {Black mates}", "0-1 {Black mates}"},
    {Mensagem::BrancasDaoMate, "1-0 {White mates}", "1-0 {White mates}"},
    {Mensagem::EmpateAfogamento, "1/2-1/2 {Stalemate}", "1/2-1/2 {Stalemate}"},
    {Mensagem::BrancasVencem, "1-0 {White Mates}", "1-0 {White Mates}"},
    {Mensagem::PretasVencem, "0-1 {Black Mates}", "0-1 {Black Mates}"},
    {Mensagem::EmpatePorAfogamento, "1/2-1/2 {Draw by stalemate}", "1/2-1/2 {Draw by stalemate}"},
    {Mensagem::OfereceEmpate, "offer draw", "offer draw"},
    {Mensagem::Recursos, "feature myname=\"Quelmaro\" ping=1 setboard=1 usermove=0 san=0 time=0 draw=1 sigint=0 "
          "sigterm=0 reuse=1 analyze=1 colors=0 done=1", "feature myname=\"Quelmaro\" ping=1 setboard=1 usermove=0 san=0 time=0 draw=1 sigint=0 "
          "sigterm=0 reuse=1 analyze=1 colors=0 done=1"},
    {Mensagem::Pong, "pong ", "pong "},
    {Mensagem::PosicaoIlegal, "tellusererror Illegal position", "tellusererror Illegal position"},
    {Mensagem::UciNome, "id name Quelmaro ", "id name Quelmaro "},
    {Mensagem::UciAutor, "id author the Quelmaro developers", "id author the Quelmaro developers"},
    {Mensagem::UciOk, "uciok", "uciok"},
    {Mensagem::UciPronto, "readyok", "readyok"},
    {Mensagem::UciMelhorLance, "bestmove ", "bestmove "},
    {Mensagem::UciSemLance, "bestmove 0000", "bestmove 0000"},
    {Mensagem::UciLanceIlegal, "info string Illegal move: ", "info string Illegal move: "},
    {Mensagem::UciPosicaoIlegal, "info string Illegal position", "info string Illegal position"},
    {Mensagem::UciOpcaoMultiPV, "option name MultiPV type spin default 1 min 1 max 64",
     "option name MultiPV type spin default 1 min 1 max 64"},
    {Mensagem::UciListaSemLance, "info string None of the moves of searchmoves is legal here",
     "info string None of the moves of searchmoves is legal here"},
    {Mensagem::UciListaSoDeRoques,
     "info string My rules do not look at castling or captures in passing: the first of the moves given",
     "info string My rules do not look at castling or captures in passing: the first of the moves given"},
};

// Every message has its row, in its place: a row missing, added or out of
// order fails to compile.
constexpr bool em_ordem() {
    for (std::size_t i = 0; i < std::size(TEXTOS); ++i)
        if (TEXTOS[i].mensagem != static_cast<Mensagem>(i)) return false;
    return std::size(TEXTOS) == static_cast<std::size_t>(Mensagem::Total);
}
static_assert(em_ordem(), "one row per message, in the order of the enumeration");

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
