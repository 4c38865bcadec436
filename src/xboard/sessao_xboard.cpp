#include "xboard/sessao_xboard.hpp"

#include <ostream>

#include "game/notacao.hpp"
#include "text/explicacao.hpp"

namespace quelmaro {

struct SessaoXboard::Comando {
    std::string_view palavra; // compared with the start of the line, blanks included
    void (SessaoXboard::*executa)(const Traducao&);
    // Answered as the line is read: the turn goes on reading.
    bool ao_ler = false;
    // Takes the whole rest of the line, however long.
    bool linha_inteira = false;
};

// +-------------------------------------------------------------------------+
// | What the engine build understands from an XBoard GUI:                   |
// |   MOVE          a move in coordinates ("e2e4", "e7e8q"), or O-O, O-O-O: |
// |                 the player's, or in force mode the side's to move       |
// |   new           a new game, the GUI with White, the computer waiting     |
// |   go, play      the computer plays the side to move, and leaves force    |
// |   force         force mode: the computer plays neither side             |
// |   setboard FEN  a new game from the position, in force mode             |
// |   undo          takes back one half-move, in force mode                 |
// |   remove        takes back two half-moves                               |
// |   result ...    the game is over                                        |
// |   draw          "offer draw" when the computer is not ahead after ten    |
// |                 of its moves                                            |
// |   hint          "Hint: MOVE" for the side the GUI plays                 |
// |   post, nopost  a thinking line with the reason before each move, or not|
// |   analyze       analysis: moves, undo, new and setboard for the side to  |
// |                 move, each followed by a thinking line for the side to  |
// |                 move; the computer plays no move                        |
// |   exit          leaves analysis (outside it, ends the program)          |
// |   .             the status of the analysis: "stat01: ..."               |
// |   protover N    the feature line                                        |
// |   ping N        "pong N"                                                |
// |   save, open    the game to and from a file (the console's files)       |
// |   turn, pgn     as at the console                                       |
// |   quit          ends the program                                        |
// | Everything else is read past.                                           |
// +-------------------------------------------------------------------------+
// clang-format off
const SessaoXboard::Comando SessaoXboard::COMANDOS[] = {
    {"draw",      &SessaoXboard::empate,    true},
    {"protover",  &SessaoXboard::recursos,  true},
    {"ping ",     &SessaoXboard::pong,      true},
    {"force",     &SessaoXboard::forca},
    {"undo",      &SessaoXboard::volta},
    {"remove",    &SessaoXboard::remove},
    {"result",    &SessaoXboard::resultado},
    {"setboard ", &SessaoXboard::setboard,  false, true},
    {"post",      &SessaoXboard::post},
    {"nopost",    &SessaoXboard::nopost},
    {"hint ",     &SessaoXboard::sugere},
    {"pgn ",      &SessaoXboard::grava_pgn},
    {"analyze",   &SessaoXboard::analisa},
    {". ",        &SessaoXboard::estado_da_analise, true},
};
// clang-format on

// The pieces of a FEN with none on the board.
constexpr std::string_view TABULEIRO_VAZIO = "8/8/8/8/8/8/8/8 ";

SessaoXboard::SessaoXboard(Console& console, Arquivos& arquivos)
    : console_(console), arquivos_(arquivos) {
    // The GUI waits for each line: every write reaches it at once.
    saida().setf(std::ios::unitbuf);
}

int SessaoXboard::executa() {
    try {
        executa_jogo(jogo_, *this);
    } catch (const FimDoPrograma&) {
        // The end of the input.
    }
    saida().flush();
    return 0;
}

void SessaoXboard::diz(Mensagem m) { saida() << texto(m, exibicao_.ingles) << '\n'; }
void SessaoXboard::poe(Mensagem m) { saida() << texto(m, exibicao_.ingles); }

// The GUI has White; nothing is asked and nothing shown.
void SessaoXboard::apresenta() {
    exibicao_.ingles = true;
    jogo_.novo(true);
}

bool SessaoXboard::meu_lance(const LanceDaMaquina& l) {
    if (mostra_pensamento_) pensamento(l.pensamento);
    // The move as the protocol writes it, a promotion with its letter ("a7a8q").
    poe(Mensagem::Move);
    saida() << (l.pensamento.lance.empty() ? l.lance : l.pensamento.lance) << '\n';
    if (l.sem_lance_dele)
        diz(!l.mate                                ? Mensagem::EmpateAfogamento
            : jogo_.estado().jogador_tem_brancas() ? Mensagem::PretasDaoMate
                                                   : Mensagem::BrancasDaoMate);
    return true;
}

bool SessaoXboard::fim_do_passe(Termino termino) {
    diz(termino != Termino::mate               ? Mensagem::EmpatePorAfogamento
        : jogo_.estado().jogador_tem_brancas() ? Mensagem::BrancasVencem
                                               : Mensagem::PretasVencem);
    return true;
}

bool SessaoXboard::le_lance() {
    for (;;) {
        std::string linha = console_.pedaco(TAMANHO_DA_LINHA);
        lido_ = traduz(linha, COMANDOS);
        linha_lida_ = linha;
        if (lido_.tipo == Traducao::Tipo::comando) {
            const Comando& c = COMANDOS[lido_.comando];
            if (c.linha_inteira && console_.cortada())
                lido_ = traduz(linha += console_.linha(), COMANDOS);
            if (c.ao_ler) {
                (this->*c.executa)(lido_);
                continue;
            }
        }
        if (lido_.tipo == Traducao::Tipo::nada) continue;
        if (lido_.e(Palavra::sair)) {
            // In analysis "exit" leaves it; "quit", and "exit" elsewhere, end the program.
            if (!analise_ || !linha.starts_with("exit")) return false;
            analise_ = false;
            continue;
        }
        return true;
    }
}

void SessaoXboard::executa(const Traducao& t) {
    const Comando& c = COMANDOS[t.comando];
    (this->*c.executa)(t);
}

char SessaoXboard::promocao() {
    const char c = lido_.promocao_caracter;
    lido_.promocao_caracter = ' ';
    return c;
}

bool SessaoXboard::pos_lance_dele() {
    for (;;) {
        if (!le_lance()) return false;
        if (lido_.tipo == Traducao::Tipo::comando) {
            executa(lido_);
            continue;
        }
        if (lido_.e(Palavra::virar)) {
            exibicao_.maquina_no_alto = !exibicao_.maquina_no_alto;
        } else if (lido_.e(Palavra::salvar)) {
            grava_jogo(console_, arquivos_, jogo_, exibicao_);
            pede_lance();
        } else if (lido_.e(Palavra::abrir)) {
            // A game loaded from a chess file goes on out of force mode.
            if (abre_jogo(console_, arquivos_, jogo_, exibicao_) == Aberto::partida)
                forcado_ = false;
            pede_lance();
        } else if (lido_.e(Palavra::jogar)) {
            // The computer takes the side to move.
            forcado_ = false;
            if (jogo_.estado().vez_do_jogador()) {
                jogo_.vira_tabuleiro();
                jogo_.promove_peoes_dele([this] { return promocao(); });
            }
            return true;
        } else if (lido_.e(Palavra::nova)) {
            forcado_ = analise_;
            apresenta();
            mostra_analise();
        } else if (!lance()) {
            poe(Mensagem::LanceIlegal);
            // A castling word as the GUI sent it, a move by its squares.
            if (lido_.tipo == Traducao::Tipo::palavra) {
                const std::size_t fim = linha_lida_.find_last_not_of(" \t\r\n");
                saida() << texto_visivel(linha_lida_.substr(0, fim + 1)) << '\n';
            } else {
                saida().write(lido_.lance.data(), 4) << '\n';
            }
        } else if (!forcado_) {
            return true;
        } else {
            mostra_analise();
        }
    }
}

bool SessaoXboard::lance() {
    const Estado& e = jogo_.estado();
    const auto promocao = [this] { return this->promocao(); };
    // A move for the computer's colour, in force mode, counts as the computer's.
    const bool pela_maquina = forcado_ && !e.vez_do_jogador();
    const LanceDoJogador l = lance_do_jogador(lido_);
    return pela_maquina ? jogo_.lance_dado_a_maquina(l, promocao) : jogo_.lance_dele(l, promocao);
}

// --- The commands ---

void SessaoXboard::recursos(const Traducao&) {
    saida() << texto(Mensagem::Recursos, true) << std::endl;
}

void SessaoXboard::pong(const Traducao& t) {
    saida() << texto(Mensagem::Pong, true) << t.resto << std::endl;
}

void SessaoXboard::empate(const Traducao&) {
    if (jogo_.oferece_empate()) saida() << texto(Mensagem::OfereceEmpate, true) << std::endl;
}

void SessaoXboard::forca(const Traducao&) { forcado_ = true; }

void SessaoXboard::volta(const Traducao&) {
    forcado_ = true;
    desfaz(1);
    mostra_analise();
}

void SessaoXboard::remove(const Traducao&) {
    desfaz(2);
    mostra_analise();
}

void SessaoXboard::resultado(const Traducao&) { jogo_.encerra(Termino::interrompido); }

// A new game from the FEN, in force mode, the computer keeping its colour; a
// bad FEN changes nothing. A board without a piece is no person's set-up but
// a GUI's way to stop an analyser (it sends one after "exit"): the refusal
// repeats it, by which such a GUI knows its own board and shows no error.
void SessaoXboard::setboard(const Traducao& t) {
    const xadrez::LeituraFen leitura = xadrez::le_fen(t.argumento);
    if (!leitura.ok() && t.argumento.starts_with(TABULEIRO_VAZIO)) {
        poe(Mensagem::PosicaoIlegalVazia);
        saida() << texto_visivel(t.argumento) << '\n';
        return;
    }
    if (!leitura.ok()) return diz(Mensagem::PosicaoIlegal);
    jogo_.comeca_de_posicao(leitura.posicao, jogo_.estado().maquina_tem_brancas());
    forcado_ = true;
    mostra_analise();
}

// Analysis is force mode with a thinking line after every change of the position.
void SessaoXboard::analisa(const Traducao&) {
    analise_ = forcado_ = true;
    mostra_analise();
}

void SessaoXboard::mostra_analise() {
    if (!analise_) return;
    analisada_ = jogo_.analisa_a_vez();
    if (analisada_) pensamento(*analisada_);
}

// "stat01: TIME NODES PLY MOVES-LEFT TOTAL-MOVES": the analysis is complete at once.
void SessaoXboard::estado_da_analise(const Traducao&) {
    if (!analise_) return;
    saida() << "stat01: 0 " << (analisada_ ? analisada_->nos : 0) << " 1 0 "
            << xadrez::legais(jogo_.estado().posicao()).size() << '\n';
}

void SessaoXboard::pensamento(const Pensamento& p) {
    saida() << "1 " << (p.mate ? PONTOS_DE_MATE : p.pontos) << " 0 " << p.nos << ' ' << p.lance
            << " {" << razao(p) << "}\n";
}

void SessaoXboard::post(const Traducao&) { mostra_pensamento_ = true; }
void SessaoXboard::nopost(const Traducao&) { mostra_pensamento_ = false; }

// With the computer's colour to move in force mode, and after the end of the
// game, there is nothing to suggest.
void SessaoXboard::sugere(const Traducao&) {
    if (!jogo_.estado().vez_do_jogador() || jogo_.acabou()) return;
    if (const std::optional<Pensamento> s = jogo_.analisa_a_vez()) {
        poe(Mensagem::Sugestao);
        saida() << s->lance << '\n';
    }
}

void SessaoXboard::grava_pgn(const Traducao&) {
    quelmaro::grava_pgn(console_, arquivos_, jogo_, exibicao_.ingles);
    pede_lance();
}

void SessaoXboard::desfaz(int meios_lances) {
    const bool brancas = jogo_.estado().jogador_tem_brancas();
    jogo_.desfaz(meios_lances);
    if (jogo_.estado().jogador_tem_brancas() != brancas) jogo_.vira_tabuleiro();
}

} // namespace quelmaro
