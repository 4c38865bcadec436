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
    Regra,    // printed without a line end, before the rule's number
    NadaAExplicar,
    Sugestao, // the engine build's hint line: printed without a line end, before the move
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
    NaoAnotou,         // on standard error: program, file name, why
    // why a game could not be loaded: the line after NaoCarregou
    MotivoSemNome,
    MotivoNaoExiste,
    MotivoPasta,
    MotivoSemPermissao,
    MotivoGrandeDemais,
    MotivoErroDeLeitura,
    // files written and read on disk: why not (the line after NaoSalvou or
    // NaoGravouPgn; MotivoEspecial also after NaoCarregou), a damaged saved
    // game, and a note after a save that split a file of several names
    MotivoEspecial,
    GravacaoSemPasta,
    GravacaoNomeLongo,
    GravacaoProtegido,
    GravacaoPastaSemPermissao,
    GravacaoLigacoes,
    GravacaoSoLeitura,
    GravacaoSemEspaco,
    GravacaoErro,
    GravacaoSeparouLigacoes,
    MotivoJogoSalvoPeaoNaPonta,
    MotivoNaoEJogo,
    MotivoJogoSalvoRuim,
    MotivoFen, // "{}": one of the Fen... words below
    MotivoTag,
    MotivoSimbolo,
    MotivoComentario,
    MotivoVariacao,
    MotivoLanceIlegivel, // "{}": the move with its number, "18. Ke2"
    MotivoLanceIlegal,
    MotivoLanceAmbiguo,
    MotivoSemResultado,
    MotivoLongo,
    MotivoSemTalPartida, // "{}": what was asked for
    MotivoNenhumaPartida,
    FenCampos,
    FenPecas,
    FenVez,
    FenRoques,
    FenEnPassant,
    FenContadores,
    FenReis,
    FenPeaoNaPonta,
    FenXeque,
    // a file of several games: the list and the question
    ListaDePartidas, // "{}": how many
    PartidaRecusada, // after a game of the list that cannot be loaded
    PartidaSemTags,  // a game of the list without tags that tell it
    QualPartida,     // "{}": the highest number
    // the end of a game the rules of chess or a claim end
    MateDasBrancas,
    MateDasPretas,
    EmpatePorMaterial,
    EmpatePorRepeticao,
    EmpatePorCinquentaLances,
    PartidaAcabou, // the prompt while the game is over
    SugestaoEmSan, // the console's hint: printed without a line end, before the move
    AjudaSan,      // the help's last line: the --san option
    // the console game: games recorded (--record), a draw offered, the
    // help's notes
    NaoRegistrou, // "{}": the file's name, then one of the Registro... reasons
    RegistroSemNome,
    RegistroSemPasta,
    RegistroPasta,
    RegistroSemPermissao,
    RegistroSemEspaco,
    RegistroErro,
    EmpateAceito,
    EmpateRecusado,
    AjudaNotas, // several lines, after the commands
    // the --explain table
    ExplicaJogoSalvo, // "{}": the computer's colour (CorBrancas, CorPretas)
    ExplicaPartida,   // the same
    CorBrancas,
    CorPretas,
    ColunaLance,
    ColunaMarcas,
    ColunaRegra,
    RegraDecide,
    Escolhido, // "{}": the move, the rule
    NenhumEscolhido,
    Legenda,
    LegendaSemMarcas,
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
    // analysis as the GUIs show it
    PosicaoIlegalVazia, // printed without a line end, before the FEN
    // why the rules never weigh a legal move (a MultiPV line after the ranked ones)
    NaoPesaRoque,
    NaoPesaEnPassant,
    NaoPesaSubpromocao,
    NaoPesaPassoDuplo,
    NaoPesaLance,
    // the analysis table's moves that the rules of chess forbid, and a
    // position with none allowed; a finished game loaded; a file not text
    ExplicaProibidos, // "{}": the moves, in coordinates
    ExplicaMate,
    ExplicaAfogado,
    FimBrancasVenceram,
    FimPretasVenceram,
    FimEmpateDado,
    MotivoNaoETexto,
    // the web page: its buttons, headings and notes
    PaginaNovoJogo,
    PaginaJogoCom, // before the two colours
    PaginaBrancas,
    PaginaPretas,
    PaginaVirar,
    PaginaDesfazer,
    PaginaDica,
    PaginaPorque,
    PaginaVoltar,
    PaginaBaixarPgn,
    PaginaBaixarAnotado,
    PaginaColar,
    PaginaCarregar,
    PaginaLances,
    PaginaPromoverA,
    PaginaPorqueNao,
    PaginaSetas,
    PaginaAnalise, // "{}": the move of the game analysed, in SAN
    PaginaAnaliseDaVez,
    PaginaOutraLingua,
    PaginaResumo,
    Total
};

std::string_view texto(Mensagem m, bool ingles);

// The model with each "{}" replaced by the next value, in order.
std::string preenche(std::string_view modelo, std::initializer_list<std::string_view> valores);

// Text read from outside, made safe to print on one line: printable ASCII
// characters as they are, a backslash doubled, every other byte (control
// characters, escape sequences, bytes of any other encoding) as \xHH.
std::string texto_visivel(std::string_view bytes);

} // namespace quelmaro
