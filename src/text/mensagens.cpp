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
// clang-format off
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
    {Mensagem::NaoSalvou, "The game could not be saved.", "Não foi possível salvar o jogo."},
    {Mensagem::NaoCarregou, "The game could not be loaded.", "Não foi possível carregar o jogo."},
    {Mensagem::Ajuda,
     "Moves: e2e4, c2-c3, e4xd5, Nb1a3, O-O, O-O-O.\n"
     "Or as players write them: e4, exd5, Nf3, Nbd2, R1a3, Qh4e1, e8=Q, O-O+.\n"
     "Commands at the move prompt:\n"
     "  turn, reverse   turn the board drawing upside down\n"
     "  save            save the position to a file (not the moves)\n"
     "  open, load      load a saved game, a game of a PGN file or a FEN\n"
     "  new             start a new game\n"
     "  play, go        let the computer play your side",
     "Movimentos: e2e4, c2-c3, e4xd5, Cb1a3, O-O, O-O-O.\n"
     "Ou como os jogadores escrevem: e4, exd5, Cf3, Cbd2, T1a3, Dh4e1, e8=D, O-O+.\n"
     "Comandos (na sua vez):\n"
     "  turn, reverse   inverte o tabuleiro\n"
     "  save            salva a posição num arquivo (sem os movimentos)\n"
     "  open, load      carrega um jogo salvo, uma partida PGN ou uma FEN\n"
     "  new             começa um jogo novo\n"
     "  play, go        o computador passa a jogar com as suas peças"},
    {Mensagem::AjudaFim, "  quit, exit      leave the program", "  quit, exit      sai do programa"},
    {Mensagem::Regra, "Rule ", "Regra "},
    {Mensagem::NadaAExplicar, "There is no move of mine to explain yet.",
     "Ainda não há lance meu para explicar."},
    {Mensagem::Sugestao, "Hint: ", "Sugestao: "},
    {Mensagem::SemLanceSeu, "You have no move to make.", "Você não tem nenhum lance."},
    {Mensagem::NadaADesfazer, "There is no move to take back.", "Não há lance para desfazer."},
    {Mensagem::NaoGravouPgn, "The PGN file could not be written.",
     "Não foi possível gravar o arquivo PGN."},
    {Mensagem::PorqueEscolheu, "Rule {} chose it.", "A regra {} escolheu este lance."},
    {Mensagem::PorqueTambem,
     "Rule {} would also take this move, but of the moves it takes, the last in scan order is "
     "played.",
     "A regra {} também aceitaria este lance, mas, dos lances que ela aceita, fica o último na "
     "ordem de varredura."},
    {Mensagem::PorqueOutraRegra, "Rule {} would choose {}, but rule {} came first and chose {}.",
     "A regra {} escolheria {}, mas a regra {} veio antes e escolheu {}."},
    {Mensagem::PorqueNenhuma, "No rule before the fallbacks takes it.",
     "Nenhuma regra antes das de recurso aceita este lance."},
    {Mensagem::PorqueAbertura, "My fixed opening move chose it.",
     "Meu lance fixo de abertura escolheu este lance."},
    {Mensagem::PorqueAntesDaAbertura, "Rule {} would choose {}, but my fixed opening move came first and chose {}.",
     "A regra {} escolheria {}, mas meu lance fixo de abertura veio antes e escolheu {}."},
    {Mensagem::ForaDasRegras,
     "My only legal moves are ones my rules do not look at (a capture in passing, a pawn's "
     "double step beside yours): I play the first of them.",
     "Meus \xC3\xBAnicos lances legais s\xC3\xA3o lances que minhas regras n\xC3\xA3o olham "
     "(uma captura en passant, o passo duplo de um pe\xC3\xA3o ao lado do seu): jogo o primeiro "
     "deles."},
    {Mensagem::NaoEraCandidato, "{} was not one of my moves there.",
     "{} não era um dos meus lances ali."},
    {Mensagem::NaoELance, "I cannot read {} as a move.", "Não consigo ler {} como um lance."},
    {Mensagem::SemMarcas,
     "It takes nothing and threatens nothing, and no reply of yours wins anything.",
     "Não captura nada nem ameaça nada, e nenhuma resposta sua ganha algo."},
    {Mensagem::NaCasa, " on {}", " em {}"},
    {Mensagem::NaoCarregouParaExplicar, "{}: cannot load a position from '{}'. {}",
     "{}: não foi possível carregar uma posição de '{}'. {}"},
    {Mensagem::LanceAmbiguo, "Ambiguous move: ", "Lance ambíguo: "},
    {Mensagem::OuAinda, " or ", " ou "},
    {Mensagem::PosicaoDeInicio, "The game started from: ", "A partida começou em: "},
    {Mensagem::NenhumLanceAinda, "No move has been played yet.", "Nenhum lance foi jogado ainda."},
    {Mensagem::AnotacaoDoLance, "Quelmaro: {}. {}", "Quelmaro: {}. {}"},
    {Mensagem::PartidaNaoAnotada, "{}: game {} not annotated: {}",
     "{}: partida {} n\xC3\xA3o anotada: {}"},
    {Mensagem::NaoAnotou, "{}: cannot annotate '{}': {}",
     "{}: n\xC3\xA3o foi poss\xC3\xADvel anotar '{}': {}"},
    // Why a game could not be loaded.
    {Mensagem::MotivoSemNome, "No file name was given.", "Nenhum nome de arquivo foi dado."},
    {Mensagem::MotivoNaoExiste, "There is no file of that name.", "Não há arquivo com esse nome."},
    {Mensagem::MotivoPasta, "That name is a folder's, not a file's.",
     "Esse nome é de uma pasta, não de um arquivo."},
    {Mensagem::MotivoSemPermissao, "The file may not be read (no permission).",
     "Não há permissão para ler o arquivo."},
    {Mensagem::MotivoGrandeDemais, "The file is too large to be a game.",
     "O arquivo é grande demais para ser uma partida."},
    {Mensagem::MotivoErroDeLeitura, "The file could not be read.",
     "Não foi possível ler o arquivo."},
    // Files written and read on disk.
    {Mensagem::MotivoEspecial, "That name is not a regular file: a device, a FIFO or a socket.",
     "Esse nome não é de um arquivo comum: é um dispositivo, um FIFO ou um socket."},
    {Mensagem::GravacaoSemPasta, "There is no folder of that name.", "Não há pasta com esse nome."},
    {Mensagem::GravacaoNomeLongo, "The name is too long.", "O nome é longo demais."},
    {Mensagem::GravacaoProtegido, "The file may not be written (write-protected, or no permission); it is left as it was.",
     "O arquivo não pode ser escrito (protegido contra escrita, ou sem permissão); ficou como estava."},
    {Mensagem::GravacaoPastaSemPermissao, "Its folder may not be written (no permission).",
     "A pasta dele não pode ser escrita (sem permissão)."},
    {Mensagem::GravacaoLigacoes, "The name leads through symbolic links without end.",
     "O nome passa por ligações simbólicas sem fim."},
    {Mensagem::GravacaoSoLeitura, "The file system is read-only.",
     "O sistema de arquivos é só de leitura."},
    {Mensagem::GravacaoSemEspaco, "The disk is full.", "O disco está cheio."},
    {Mensagem::GravacaoErro, "The system could not write it.",
     "O sistema não conseguiu escrevê-lo."},
    {Mensagem::GravacaoSeparouLigacoes, "The file had other names (hard links); they keep the old content.",
     "O arquivo tinha outros nomes (ligações físicas); eles guardam o conteúdo antigo."},
    {Mensagem::MotivoJogoSalvoPeaoNaPonta, "It is a saved game with a pawn on the first or last rank.",
     "É um jogo salvo com um peão na primeira ou na última fileira."},
    {Mensagem::MotivoNaoEJogo, "It is not a game: neither a saved game, nor a FEN, nor a PGN game.",
     "Não é uma partida: nem um jogo salvo, nem uma FEN, nem uma partida PGN."},
    {Mensagem::MotivoJogoSalvoRuim, "It is a saved game cut short or damaged.",
     "É um jogo salvo incompleto ou danificado."},
    {Mensagem::MotivoFen, "Its FEN is not a position that can be played: {}.",
     "A FEN não é uma posição que se possa jogar: {}."},
    {Mensagem::MotivoTag, "A tag is not of the form [Name \"value\"].",
     "Uma etiqueta não tem a forma [Nome \"valor\"]."},
    {Mensagem::MotivoSimbolo, "It holds a character that has no place in a PGN game.",
     "Tem um caractere que não cabe numa partida PGN."},
    {Mensagem::MotivoComentario, "A comment is left open: a { without its }.",
     "Um comentário ficou aberto: um { sem o seu }."},
    {Mensagem::MotivoVariacao, "A variation is left open, or a ) has no (.",
     "Uma variante ficou aberta, ou um ) não tem o seu (."},
    {Mensagem::MotivoLanceIlegivel, "Move {} is not a move.", "O lance {} não é um lance."},
    {Mensagem::MotivoLanceIlegal, "Move {} is not legal there.",
     "O lance {} não é legal nessa posição."},
    {Mensagem::MotivoLanceAmbiguo, "Move {} could be more than one move.",
     "O lance {} pode ser mais de um lance."},
    {Mensagem::MotivoSemResultado, "Its moves do not end in a result (1-0, 0-1, 1/2-1/2 or *).",
     "Os lances não terminam num resultado (1-0, 0-1, 1/2-1/2 ou *)."},
    {Mensagem::MotivoLongo, "It has more moves than a game can have.",
     "Tem mais lances do que uma partida pode ter."},
    {Mensagem::MotivoSemTalPartida, "The file has no game {}.", "O arquivo não tem a partida {}."},
    {Mensagem::MotivoNenhumaPartida, "No game was chosen.", "Nenhuma partida foi escolhida."},
    {Mensagem::FenCampos, "it does not have four to six fields", "não tem de quatro a seis campos"},
    {Mensagem::FenPecas, "the pieces are not eight ranks of eight squares",
     "as peças não formam oito fileiras de oito casas"},
    {Mensagem::FenVez, "the side to move is neither w nor b", "a vez não é w nem b"},
    {Mensagem::FenRoques, "the castling field is wrong", "o campo dos roques está errado"},
    {Mensagem::FenEnPassant, "the en passant field is wrong", "o campo do en passant está errado"},
    {Mensagem::FenContadores, "the move counters are wrong",
     "os contadores de lances estão errados"},
    {Mensagem::FenReis, "it does not have one king of each colour", "não tem um rei de cada cor"},
    {Mensagem::FenPeaoNaPonta, "a pawn stands on the first or last rank",
     "há um peão na primeira ou na última fileira"},
    {Mensagem::FenXeque, "the side not to move is in check",
     "o lado que não tem a vez está em xeque"},
    // A file of several games.
    {Mensagem::ListaDePartidas, "The file holds {} games:", "O arquivo tem {} partidas:"},
    {Mensagem::PartidaRecusada, " (cannot be loaded)", " (não pode ser carregada)"},
    {Mensagem::PartidaSemTags, "(no tags)", "(sem etiquetas)"},
    {Mensagem::QualPartida, "Which game (1 to {})?", "Qual partida (1 a {})?"},
    // The end of a game.
    {Mensagem::MateDasBrancas, "Checkmate: White wins.", "Xeque-mate: as brancas vencem."},
    {Mensagem::MateDasPretas, "Checkmate: Black wins.", "Xeque-mate: as pretas vencem."},
    {Mensagem::EmpatePorMaterial, "Neither side can mate with the pieces left: the game is a draw.",
     "Nenhum dos lados pode dar mate com as peças que restam: a partida empatou."},
    {Mensagem::EmpatePorRepeticao, "The same position has stood three times: the game is a draw.",
     "A mesma posição se repetiu três vezes: a partida empatou."},
    {Mensagem::EmpatePorCinquentaLances,
     "Fifty moves each without a capture or a pawn move: the game is a draw.",
     "Cinquenta lances de cada lado sem captura nem lance de peão: a partida empatou."},
    {Mensagem::PartidaAcabou, "The game is over: new, undo, moves, pgn, save or quit.",
     "A partida acabou: new, undo, moves, pgn, save ou quit."},
    {Mensagem::SugestaoEmSan, "Hint: ", "Sugestão: "},
    {Mensagem::AjudaSan, "With --san my moves are shown in SAN too: My move is: f8b4 (Bb4+).",
     "Com --san meus lances aparecem também em SAN: Meu movimento e': f8b4 (Bb4+)."},
    // The console game: games recorded, a draw offered, the help's notes.
    {Mensagem::NaoRegistrou, "The game could not be added to {}: {}",
     "Não foi possível acrescentar a partida a {}: {}"},
    {Mensagem::RegistroSemNome, "no file name was given.", "nenhum nome de arquivo foi dado."},
    {Mensagem::RegistroSemPasta, "a folder on its way does not exist.",
     "uma pasta do caminho não existe."},
    {Mensagem::RegistroPasta, "that name is a folder's, not a file's.",
     "esse nome é de uma pasta, não de um arquivo."},
    {Mensagem::RegistroSemPermissao, "it may not be written (no permission).",
     "não há permissão para escrever nele."},
    {Mensagem::RegistroSemEspaco, "the disk is full.", "o disco está cheio."},
    {Mensagem::RegistroErro, "the system could not write it.",
     "o sistema não conseguiu escrevê-lo."},
    {Mensagem::EmpateAceito, "No draw can be claimed here, but I accept your offer: the game is a draw.",
     "Não há empate a reclamar aqui, mas aceito sua proposta: a partida empatou."},
    {Mensagem::EmpateRecusado, "No draw can be claimed here, and I decline your offer: play on.",
     "Não há empate a reclamar aqui, e recuso sua proposta: o jogo continua."},
    {Mensagem::AjudaNotas,
     "A promotion asks for a number: type it, then Enter (or type the move with its\n"
     "piece letter: e7e8q, e7e8n).\n"
     "The board's heading counts your moves, then mine; * marks my pieces.\n"
     "save keeps the position only, not the moves: pgn, or --record, keeps the whole\n"
     "game. new asks the start-up questions again. After a mate or a stalemate the\n"
     "program ends.",
     "Uma promoção pede um número: digite-o e tecle Enter (ou digite o movimento com\n"
     "a letra da peça: e7e8d, e7e8c).\n"
     "O cabeçalho do tabuleiro conta seus movimentos, depois os meus; * marca minhas\n"
     "peças. save guarda só a posição, não os movimentos: pgn, ou --record, guarda\n"
     "a partida inteira. new faz de novo as perguntas do início. Depois de um mate\n"
     "ou de um afogamento o programa termina."},
    // The --explain table.
    {Mensagem::ExplicaJogoSalvo,
     "I play {} in this saved game; my moves, if it were my move in this position:",
     "Jogo com {} neste jogo salvo; meus lances, se fosse minha vez nesta posição:"},
    {Mensagem::ExplicaPartida, "I play {}, the side to move in this position; my moves:",
     "Jogo com {}, que têm a vez nesta posição; meus lances:"},
    {Mensagem::CorBrancas, "White", "as brancas"},
    {Mensagem::CorPretas, "Black", "as pretas"},
    {Mensagem::ColunaLance, "move", "lance"},
    {Mensagem::ColunaMarcas, "what my analysis saw", "o que minha análise viu"},
    {Mensagem::ColunaRegra, "rule", "regra"},
    {Mensagem::RegraDecide, "The lowest rule number decides; of its moves, the last in scan order is played.",
     "Decide a regra de menor número; dos seus lances, fica o último na ordem de varredura."},
    {Mensagem::Escolhido, "Chosen: {} (rule {}).", "Escolhido: {} (regra {})."},
    {Mensagem::NenhumEscolhido, "Chosen: none.", "Escolhido: nenhum."},
    {Mensagem::Legenda, "Words of the table (after my move, a reply of yours, a follow-up of mine):",
     "Palavras da tabela (após meu lance, uma resposta sua, um lance meu seguinte):"},
    {Mensagem::LegendaSemMarcas, "none of these", "nenhuma destas"},
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
     "info string My rules do not look at castling or captures in passing: the first of the moves "
     "given",
     "info string My rules do not look at castling or captures in passing: the first of the moves "
     "given"},
    // analysis as the GUIs show it
    {Mensagem::PosicaoIlegalVazia, "tellusererror Illegal position, an empty board: ",
     "tellusererror Posicao ilegal, um tabuleiro vazio: "},
    {Mensagem::NaoPesaRoque,
     "Not weighed: my rules never look at castling (my king moves one square at a time).",
     "Não pesado: minhas regras nunca olham o roque (meu rei anda uma casa por vez)."},
    {Mensagem::NaoPesaEnPassant,
     "Not weighed: my rules never look at captures in passing (my pawns take only what stands on "
     "the square).",
     "Não pesado: minhas regras nunca olham a captura en passant (meus peões só "
     "tomam o que está na casa)."},
    {Mensagem::NaoPesaSubpromocao,
     "Not weighed: my rules never look at promotions to a knight, bishop or rook (my pawns always "
     "become queens).",
     "Não pesado: minhas regras nunca olham a promoção a cavalo, bispo ou torre "
     "(meus peões sempre viram damas)."},
    {Mensagem::NaoPesaPassoDuplo,
     "Not weighed: my rules never look at a pawn's double step that lands beside an opposing pawn.",
     "Não pesado: minhas regras nunca olham o passo duplo de um peão que para ao lado "
     "de um peão adversário."},
    {Mensagem::NaoPesaLance, "Not weighed: none of my rules takes this move.",
     "Não pesado: nenhuma das minhas regras aceita este lance."},
    {Mensagem::ExplicaProibidos,
     "Moves the rules of chess forbid, since each leaves my king in check: {}",
     "Lances que as regras do xadrez proíbem, pois cada um deixa meu rei em xeque: {}"},
    {Mensagem::ExplicaMate, "I have no legal move, and my king is in check: checkmate.",
     "Não tenho lance legal, e meu rei está em xeque: xeque-mate."},
    {Mensagem::ExplicaAfogado, "I have no legal move, and my king is not in check: stalemate, a draw.",
     "Não tenho lance legal, e meu rei não está em xeque: afogamento, empate."},
    {Mensagem::FimBrancasVenceram, "This game is over, as the file says: White won (1-0).",
     "Esta partida acabou, como diz o arquivo: as brancas venceram (1-0)."},
    {Mensagem::FimPretasVenceram, "This game is over, as the file says: Black won (0-1).",
     "Esta partida acabou, como diz o arquivo: as pretas venceram (0-1)."},
    {Mensagem::FimEmpateDado, "This game is over, as the file says: a draw (1/2-1/2).",
     "Esta partida acabou, como diz o arquivo: empate (1/2-1/2)."},
    {Mensagem::MotivoNaoETexto, "The file is not text, so it holds no game of chess.",
     "O arquivo não é de texto, então não contém partida de xadrez."},
    {Mensagem::PaginaNovoJogo, "New game", "Jogo novo"},
    {Mensagem::PaginaJogoCom, "I play", "Eu jogo com"},
    {Mensagem::PaginaBrancas, "White", "Brancas"},
    {Mensagem::PaginaPretas, "Black", "Pretas"},
    {Mensagem::PaginaVirar, "Flip board", "Virar tabuleiro"},
    {Mensagem::PaginaDesfazer, "Take back", "Desfazer"},
    {Mensagem::PaginaDica, "Hint", "Dica"},
    {Mensagem::PaginaPorque, "Why?", "Por quê?"},
    {Mensagem::PaginaVoltar, "Back to the game", "Voltar ao jogo"},
    {Mensagem::PaginaBaixarPgn, "Download PGN", "Baixar PGN"},
    {Mensagem::PaginaBaixarAnotado, "Download PGN with my reasons", "Baixar PGN com minhas razões"},
    {Mensagem::PaginaColar, "Paste or drop a FEN or a PGN game here", "Cole ou solte aqui uma FEN ou uma partida PGN"},
    {Mensagem::PaginaCarregar, "Load", "Carregar"},
    {Mensagem::PaginaLances, "Moves", "Lances"},
    {Mensagem::PaginaPromoverA, "Promote to:", "Promover a:"},
    {Mensagem::PaginaPorqueNao, "Why not another move? Point at one of my moves on the board, or pick a row of the table.",
     "Por que não outro lance? Aponte um lance meu no tabuleiro ou escolha uma linha da tabela."},
    {Mensagem::PaginaSetas, "Green: the move chosen. Blue: the move you point at. Red: your replies that would take a piece after it.",
     "Verde: o lance escolhido. Azul: o lance que você aponta. Vermelho: respostas suas que capturariam uma peça depois dele."},
    {Mensagem::PaginaAnalise, "Why I played {}", "Por que joguei {}"},
    {Mensagem::PaginaAnaliseDaVez, "What I would play in your place", "O que eu jogaria no seu lugar"},
    {Mensagem::PaginaOutraLingua, "Em português", "In English"},
    {Mensagem::PaginaResumo, "Play the rule player and see why it moves.", "Jogue contra o jogador de regras e veja por que ele joga."},
};
// clang-format on

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

std::string texto_visivel(std::string_view bytes) {
    constexpr std::string_view HEX = "0123456789abcdef";
    std::string s;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\') {
            s += "\\\\";
        } else if (b >= 0x20 && b < 0x7f) {
            s += c;
        } else {
            s += "\\x";
            s += HEX[b >> 4];
            s += HEX[b & 15];
        }
    }
    return s;
}

std::string_view texto(Mensagem m, bool ingles) {
    const Textos& t = TEXTOS[static_cast<int>(m)];
    return ingles ? t.ingles : t.portugues;
}

} // namespace quelmaro
