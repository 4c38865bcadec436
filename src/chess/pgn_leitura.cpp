#include "chess/pgn_leitura.hpp"

#include <algorithm>

namespace quelmaro::xadrez {
namespace {

constexpr std::string_view RESULTADOS[] = {"1-0", "0-1", "1/2-1/2", "*"};

bool branco(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool digito(char c) { return c >= '0' && c <= '9'; }
bool letra_ou_digito(char c) {
    return digito(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
// The characters of a symbol of the move text: moves, move numbers, results.
bool de_simbolo(char c) {
    return letra_ou_digito(c) || std::string_view("+#=:-/!?.").find(c) != std::string_view::npos;
}

// Where the next '}' is: the last search remembered, so that comments left
// open game after game cost one search of the rest of the text, not one each.
class BuscaDoFecho {
  public:
    std::size_t de(std::string_view t, std::size_t i) {
        if (desde_ == std::string_view::npos || i < desde_ ||
            (achado_ != std::string_view::npos && i > achado_)) {
            desde_ = i;
            achado_ = t.find('}', i);
        }
        return achado_;
    }

  private:
    std::size_t desde_ = std::string_view::npos, achado_ = std::string_view::npos;
};

// How le_jogos reads beside le_pgn.
struct Modo {
    bool jogos = false; // the details of JogoLido; a '[' in an open variation ends it
    OpcoesFen fen{};
    bool anotacoes = false; // JogoLido::anotacoes
};

class Leitor {
  public:
    explicit Leitor(std::string_view texto) : t_(texto) {
        if (t_.starts_with("\xEF\xBB\xBF")) i_ = 3; // a byte-order mark
    }
    Leitor(std::string_view texto, std::size_t inicio, const Modo& modo, BuscaDoFecho& fecho)
        : t_(texto), i_(inicio), modo_(modo), fecho_(&fecho) {
        if (i_ == 0 && t_.starts_with("\xEF\xBB\xBF")) i_ = 3;
    }

    LeituraPgn le() {
        while (!pronto_ && r_.ok() && !fim()) proximo();
        if (r_.ok() && !pronto_) {
            if (profundidade_ > 0)
                falha(ErroPgn::variacao, abertura_);
            else if (!em_lances_ && r_.tags.empty())
                falha(ErroPgn::vazio, i_);
            else
                falha(ErroPgn::sem_resultado, i_);
        }
        return std::move(r_);
    }

    // One game of le_jogos: read, then where the next one begins.
    JogoLido le_jogo() {
        JogoLido j;
        while (!fim() && branco(c())) ++i_;
        j.inicio = i_;
        j.leitura = le();
        j.erro_fen = erro_fen_;
        j.lance = lance_;
        if (modo_.anotacoes) j.anotacoes = std::move(anotacoes_);
        j.fim = j.leitura.ok() || j.leitura.erro == ErroPgn::vazio ? i_ : proximo_jogo(j.inicio);
        return j;
    }

  private:
    bool inicio_de_linha(std::size_t k) const { return k == 0 || t_[k - 1] == '\n'; }
    // The next line that begins with '[' from where the reading stopped (past
    // the rest of the tag section when it stopped there), after `inicio`.
    std::size_t proximo_jogo(std::size_t inicio) {
        std::size_t k = std::max(std::min(i_, t_.size()), inicio + 1);
        auto proxima_linha = [&] {
            while (k < t_.size() && !inicio_de_linha(k)) ++k;
        };
        if (!em_lances_) {
            proxima_linha();
            while (k < t_.size() && t_[k] == '[') {
                ++k;
                proxima_linha();
            }
        }
        while (true) {
            proxima_linha();
            if (k >= t_.size() || t_[k] == '[') return std::min(k, t_.size());
            ++k;
        }
    }

    void falha(ErroPgn e, std::size_t onde) {
        r_.erro = e;
        r_.onde = onde;
    }
    char c() const { return t_[i_]; }
    bool fim() const { return i_ >= t_.size(); }
    void ate_o_fim_da_linha() {
        while (!fim() && c() != '\n') ++i_;
    }

    void proximo() {
        const std::size_t inicio = i_;
        const char ch = c();
        if (branco(ch)) {
            ++i_;
        } else if (ch == '%' && (i_ == 0 || t_[i_ - 1] == '\n')) {
            ate_o_fim_da_linha(); // an escaped line
        } else if (ch == ';') {
            ate_o_fim_da_linha();
            anota_comentario(t_.substr(inicio + 1, i_ - inicio - 1));
        } else if (ch == '{') {
            const std::size_t fecha = fecho_ ? fecho_->de(t_, i_) : t_.find('}', i_);
            if (fecha == std::string_view::npos) return falha(ErroPgn::comentario, inicio);
            i_ = fecha + 1;
            anota_comentario(t_.substr(inicio + 1, fecha - inicio - 1));
        } else if (ch == '[') {
            if (em_lances_ && modo_.jogos && profundidade_ > 0)
                return falha(ErroPgn::variacao, abertura_);
            if (em_lances_) return falha(ErroPgn::sem_resultado, inicio);
            le_tag();
        } else if (ch == '(') {
            comeca_lances();
            if (profundidade_++ == 0) abertura_ = inicio;
            ++i_;
            anota("(");
        } else if (ch == ')') {
            if (profundidade_ == 0) return falha(ErroPgn::variacao, inicio);
            --profundidade_;
            ++i_;
            anota(")");
        } else if (ch == '$') {
            ++i_;
            if (fim() || !digito(c())) return falha(ErroPgn::simbolo, inicio);
            while (!fim() && digito(c())) ++i_;
            anota(t_.substr(inicio, i_ - inicio));
        } else if (ch == '*' || de_simbolo(ch)) {
            ++i_;
            if (ch != '*')
                while (!fim() && de_simbolo(c())) ++i_;
            simbolo(t_.substr(inicio, i_ - inicio), inicio);
        } else {
            falha(ErroPgn::simbolo, inicio);
        }
    }

    bool fecha_a_tag(std::size_t k) const {
        while (k < t_.size() && (t_[k] == ' ' || t_[k] == '\t')) ++k;
        return k < t_.size() && t_[k] == ']';
    }

    void le_tag() {
        const std::size_t inicio = i_;
        ++i_;
        auto pula_brancos = [&] {
            while (!fim() && branco(c())) ++i_;
        };
        pula_brancos();
        const std::size_t nome = i_;
        while (!fim() && letra_ou_digito(c())) ++i_;
        if (i_ == nome) return falha(ErroPgn::tag, inicio);
        std::string chave(t_.substr(nome, i_ - nome));
        pula_brancos();
        if (fim() || c() != '"') return falha(ErroPgn::tag, inicio);
        ++i_;
        std::string valor;
        for (;; ++i_) {
            if (fim() || c() == '\n') return falha(ErroPgn::tag, inicio);
            // The value ends at its last quote, after which the tag closes:
            // le_jogos reads `[White ""A B""]` as files in the wild write it.
            if (c() == '"' && (!modo_.jogos || fecha_a_tag(i_ + 1))) break;
            if (c() == '\\' && i_ + 1 < t_.size() && (t_[i_ + 1] == '"' || t_[i_ + 1] == '\\'))
                ++i_;
            valor += c();
        }
        ++i_;
        pula_brancos();
        if (fim() || c() != ']') return falha(ErroPgn::tag, inicio);
        ++i_;
        if (chave == "FEN") fen_onde_ = inicio;
        r_.tags.emplace_back(std::move(chave), std::move(valor));
    }

    // The first thing of the move text: the game starts from the FEN tag.
    void comeca_lances() {
        if (em_lances_) return;
        em_lances_ = true;
        const auto fen = std::find_if(r_.tags.begin(), r_.tags.end(),
                                      [](const auto& tag) { return tag.first == "FEN"; });
        if (fen == r_.tags.end()) return;
        const LeituraFen lida = le_fen(fen->second, modo_.fen);
        if (!lida.ok()) {
            erro_fen_ = lida.erro;
            return falha(ErroPgn::fen, modo_.jogos ? fen_onde_ : 0);
        }
        r_.partida.inicio = posicao_ = lida.posicao;
    }

    void simbolo(std::string_view s, std::size_t onde) {
        comeca_lances();
        const bool resultado =
            std::find(std::begin(RESULTADOS), std::end(RESULTADOS), s) != std::end(RESULTADOS);
        if (r_.ok() && profundidade_ > 0 && !resultado) anota(s);
        if (!r_.ok() || profundidade_ > 0) return; // the moves of a variation are skipped
        if (resultado) {
            r_.resultado = std::string(s);
            pronto_ = true;
            return;
        }
        // A move number, "12." or "12...", maybe with the move glued on.
        std::size_t k = 0;
        while (k < s.size() && digito(s[k])) ++k;
        if (k > 0 && (k == s.size() || s[k] == '.')) s.remove_prefix(k);
        while (!s.empty() && s.front() == '.') s.remove_prefix(1);
        if (s.find_first_not_of("!?") == std::string_view::npos) return anota_marca(s); // marks
        if (r_.partida.lances.size() >= MAXIMO_DE_MEIOS_LANCES) return falha(ErroPgn::longo, onde);
        const LeituraSan lido = le_san(posicao_, s, INGLES);
        if (lido.resultado != LeituraSan::um) {
            lance_.numero = posicao_.numero;
            lance_.das_brancas = posicao_.brancas_a_mover;
            lance_.texto = std::string(s);
            lance_.lido = lido.resultado;
            return falha(ErroPgn::lance, onde);
        }
        joga(posicao_, lido.lance);
        r_.partida.lances.push_back(lido.lance);
        if (modo_.anotacoes) {
            anotacoes_.emplace_back();
            std::size_t marcas = s.size();
            while (marcas > 0 && (s[marcas - 1] == '!' || s[marcas - 1] == '?')) --marcas;
            anota_marca(s.substr(marcas));
        }
    }

    // The annotations of the half-move last read (before the first, at first).
    void anota(std::string_view palavra) {
        if (!modo_.anotacoes || palavra.empty()) return;
        std::string& a = anotacoes_.back();
        if (!a.empty() && a.back() != '(' && palavra != ")") a += ' ';
        a += palavra;
    }
    // A comment between braces, its blanks as single spaces; braces inside a
    // rest-of-line comment as parentheses.
    void anota_comentario(std::string_view texto) {
        if (!modo_.anotacoes) return;
        std::string c;
        for (char ch : texto) {
            if (branco(ch)) {
                if (!c.empty() && c.back() != ' ') c += ' ';
                continue;
            }
            c += ch == '{' ? '(' : ch == '}' ? ')' : ch;
        }
        while (!c.empty() && c.back() == ' ') c.pop_back();
        if (!c.empty()) anota("{" + c + "}");
    }
    // "!", "?", "!!", "??", "!?" and "?!" as the NAGs they stand for.
    void anota_marca(std::string_view marca) {
        static constexpr std::string_view MARCAS[] = {"!", "?", "!!", "??", "!?", "?!"};
        for (int n = 0; n < 6; ++n)
            if (marca == MARCAS[n]) anota("$" + std::to_string(n + 1));
    }

    std::string_view t_;
    std::size_t i_ = 0;
    LeituraPgn r_;
    Posicao posicao_ = Posicao::inicial();
    bool em_lances_ = false, pronto_ = false;
    int profundidade_ = 0;
    std::size_t abertura_ = 0; // where the outermost open variation began
    Modo modo_{};
    BuscaDoFecho* fecho_ = nullptr;
    std::size_t fen_onde_ = 0; // where the FEN tag was
    ErroFen erro_fen_ = ErroFen::nenhum;
    decltype(JogoLido::lance) lance_{};
    std::vector<std::string> anotacoes_ = {""};
};

} // namespace

LeituraPgn le_pgn(std::string_view texto) { return Leitor(texto).le(); }

std::optional<Partida> le_partida(std::string_view texto) {
    std::optional<Partida> partida;
    std::string_view linha = texto.substr(0, texto.find('\n'));
    if (linha.ends_with('\r')) linha.remove_suffix(1);
    const LeituraFen fen = le_fen(linha);
    if (fen.ok()) {
        partida = Partida{.inicio = fen.posicao, .lances = {}};
    } else if (LeituraPgn pgn = le_pgn(texto); pgn.ok()) {
        partida = std::move(pgn.partida);
    }
    if (partida && fim(posicao_final(*partida)) != Fim::nenhum) partida.reset();
    return partida;
}

bool e_texto(std::string_view s) {
    std::size_t controles = 0, invalidos = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 0) return false;
        if (c < 0x80) {
            const bool branco = c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
            controles += (c < 0x20 && !branco && c != 0x1a) || c == 0x7f;
            ++i;
            continue;
        }
        // A UTF-8 sequence: its length by its first byte, then as many
        // continuation bytes.
        const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                              : c >= 0xE0 && c <= 0xEF ? 3
                              : c >= 0xF0 && c <= 0xF4 ? 4
                                                       : 0;
        std::size_t k = 1;
        while (k < n && i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80)
            ++k;
        if (n != 0 && k == n) {
            i += n;
        } else {
            ++invalidos;
            ++i;
        }
    }
    return controles * 20 <= s.size() && invalidos * 4 <= s.size();
}

void para_cada_jogo(std::string_view texto, const OpcoesPgn& opcoes,
                    const std::function<bool(JogoLido&&)>& faz) {
    const Modo modo{.jogos = true,
                    .fen = {.numero_zero_e_um = opcoes.numero_zero_e_um},
                    .anotacoes = opcoes.guarda_anotacoes};
    BuscaDoFecho fecho;
    for (std::size_t i = 0;;) {
        JogoLido j = Leitor(texto, i, modo, fecho).le_jogo();
        if (j.leitura.erro == ErroPgn::vazio) return;
        i = j.fim;
        if (!faz(std::move(j))) return;
    }
}

std::vector<JogoLido> le_jogos(std::string_view texto, const OpcoesPgn& opcoes) {
    std::vector<JogoLido> v;
    para_cada_jogo(texto, opcoes, [&](JogoLido&& j) {
        v.push_back(std::move(j));
        return true;
    });
    return v;
}

Posicao posicao_final(const Partida& partida) {
    Posicao x = partida.inicio;
    for (const Movimento& m : partida.lances) joga(x, m);
    return x;
}

std::string lances_numerados(const Partida& partida, const Letras& letras) {
    Posicao x = partida.inicio;
    std::string s;
    for (const Movimento& m : partida.lances) {
        if (!s.empty()) s += ' ';
        if (x.brancas_a_mover)
            s += std::to_string(x.numero) + ". ";
        else if (s.empty())
            s += std::to_string(x.numero) + "... ";
        s += escreve_san(x, m, letras);
        joga(x, m);
    }
    return s;
}

} // namespace quelmaro::xadrez
