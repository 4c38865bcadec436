// Every text the program shows, in English and in Portuguese. The protocol
// lines of the engine build have one text for both languages.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quelmaro {

enum class Mensagem {
    // start-up dialog
    BoasVindas,
    EscolhaDeLingua,
    PerguntaTabuleiro,
    PerguntaComecar,
    PrimeiroPedido,
    // board drawing: titles (without a line end) and bottom lines; the
    // starting board of the dialog has its own turned title and bottom line
    TituloNormal,
    TituloVirado,
    TituloInicialVirado,
    RodapeNormal,
    RodapeVirado,
    RodapeInicialVirado,
    // main loop and player's turn
    MeuMovimento, // printed without a line end
    FimEuGanhei,
    Afogado,
    PedidoDeLance,
    LanceRecusado,
    PromocaoPergunta, // Portuguese only; empty in English
    PromocaoOpcoes,
    // end of the game found by the engine pass
    VoceGanhou,
    NaoPossoMexer,
    PressioneTecla,
    // saved games
    NomeParaSalvar,
    NomeParaAbrir,
    MeuUltimoLance, // printed without a line end
    NaoSalvou,
    NaoCarregou,
    // commands beyond the game's own
    Ajuda,    // several lines: how to type moves, and the game's own commands
    AjudaFim, // the last line of the help, after the console's own commands
    Regra, // printed without a line end, before the rule's number
    NadaAExplicar,
    Sugestao, // printed without a line end, before the move
    SemLanceSeu,
    NadaADesfazer,
    NaoGravouPgn,
    // "why MOVE" and --explain; "{}" marks where a value goes (preenche)
    PorqueEscolheu,
    PorqueTambem,
    PorqueOutraRegra,
    PorqueNenhuma,
    PorqueAbertura,
    PorqueAntesDaAbertura,
    ForaDasRegras, // the computer's only legal moves are outside its movement test
    NaoEraCandidato,
    NaoELance,
    SemMarcas,
    NaCasa,
    NaoCarregouParaExplicar,
    // chess notation
    LanceAmbiguo,    // printed without a line end, before the moves it may be
    OuAinda,         // between the last two of those moves
    PosicaoDeInicio, // printed without a line end, before the FEN
    NenhumLanceAinda,
    // annotated games (--annotate)
    AnotacaoDoLance,   // the comment after a move: the program's move, its reason
    PartidaNaoAnotada, // on standard error: program, game number, why
    PgnVazio,
    PgnTag,
    PgnFen,
    PgnSimbolo,
    PgnComentario,
    PgnVariacao,
    PgnLance, // the move's number and text
    PgnSemResultado,
    PgnLongo,
    NaoLeuArquivo, // program, file name
    // protocol lines of the engine build
    Move,        // printed without a line end
    LanceIlegal, // printed without a line end
    PretasDaoMate,
    BrancasDaoMate,
    EmpateAfogamento,
    BrancasVencem,
    PretasVencem,
    EmpatePorAfogamento,
    OfereceEmpate,
    Recursos,
    Pong, // printed without a line end
    PosicaoIlegal,
    // UCI lines
    UciNome, // printed without a line end, before the version
    UciAutor,
    UciOk,
    UciPronto,
    UciMelhorLance, // printed without a line end
    UciSemLance,
    UciLanceIlegal, // printed without a line end
    UciPosicaoIlegal,
    UciOpcaoMultiPV,
    UciListaSemLance,
    UciListaSoDeRoques,
    Total
};

std::string_view texto(Mensagem m, bool ingles);

// The model with each "{}" replaced by the next value, in order.
std::string preenche(std::string_view modelo, std::initializer_list<std::string_view> valores);

} // namespace quelmaro
