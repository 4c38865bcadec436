#include "chess/pgn_escrita.hpp"

#include <algorithm>
#include <string_view>

#include "chess/san.hpp"

namespace quelmaro::xadrez {
namespace {

constexpr std::string_view RESULTADOS[] = {"1-0", "0-1", "1/2-1/2", "*"};

// The roster's tag names in their order, Result last.
constexpr std::string_view ROSTER[] = {"Event", "Site",  "Date",  "Round",
                                       "White", "Black", "Result"};

bool nome_de_tag(std::string_view nome) {
    return !nome.empty() && std::all_of(nome.begin(), nome.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '_';
    });
}
bool controle(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

std::string valor_de_tag(std::string_view valor) {
    std::string s;
    for (char c : valor) {
        if (c == '\\' || c == '"') s += '\\';
        s += controle(c) ? ' ' : c;
    }
    return s;
}

// Comments, NAGs and variations only, as Anotacao::original says.
bool so_anotacoes(std::string_view s) {
    int profundidade = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        auto simbolo = [&](std::string_view caracteres) {
            const std::size_t fim = std::min(s.find_first_not_of(caracteres, i), s.size());
            const std::string_view p = s.substr(i, fim - i);
            i = fim;
            return p;
        };
        if (c == ' ' || c == '\n' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '{') {
            i = s.find('}', i);
            if (i == std::string_view::npos) return false;
            ++i;
        } else if (c == '(' || c == ')') {
            profundidade += c == '(' ? 1 : -1;
            if (profundidade < 0) return false;
            ++i;
        } else if (c == '$') {
            ++i;
            if (simbolo("0123456789").empty()) return false;
        } else if (profundidade > 0 && c != '*') {
            const std::string_view p =
                simbolo("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                        "0123456789_+#=:-/!?.");
            if (p.empty() ||
                std::find(std::begin(RESULTADOS), std::end(RESULTADOS), p) != std::end(RESULTADOS))
                return false;
        } else {
            return false;
        }
    }
    return profundidade == 0;
}

// The words of the move text, wrapped when written.
class Palavras {
  public:
    void poe(std::string p) {
        v_.push_back(aberta_ ? "(" + p : std::move(p));
        aberta_ = false;
    }
    // A parenthesis glued to the next word, and one to the last.
    void abre() { aberta_ = true; }
    void fecha() { v_.back() += ')'; }
    std::size_t quantas() const { return v_.size(); }

    // The comment's words between braces; nothing for a blank comment.
    void comentario(std::string_view texto) {
        bool primeira = true;
        std::string palavra;
        auto acaba = [&] {
            if (palavra.empty()) return;
            poe((primeira ? "{" : "") + palavra);
            primeira = false;
            palavra.clear();
        };
        for (char c : texto) {
            if (c == ' ' || controle(c)) {
                acaba();
                continue;
            }
            palavra += c == '{' ? '(' : c == '}' ? ')' : c;
        }
        acaba();
        if (!primeira) v_.back() += '}';
    }

    // Annotations kept from a file, with a comment of ours in the place a
    // reader looks for the move's comment: right after the move and its
    // NAGs, inside the file's own comment when one stands there, else ahead
    // of the rest (a comment after a variation is not read by every reader).
    void anotacao(std::string_view original, std::string_view nosso) {
        // Our words one blank apart, braces made parentheses.
        std::string texto;
        for (char c : nosso) {
            if (c == ' ' || controle(c)) {
                if (!texto.empty() && texto.back() != ' ') texto += ' ';
                continue;
            }
            texto += c == '{' ? '(' : c == '}' ? ')' : c;
        }
        if (!texto.empty() && texto.back() == ' ') texto.pop_back();
        const bool so_brancos = original.find_first_not_of(" \n\t\r") == std::string_view::npos;
        if (texto.empty() || so_brancos || !so_anotacoes(original)) {
            this->original(original);
            comentario(texto);
            return;
        }
        std::size_t p = 0;
        for (;;) {
            p = std::min(original.find_first_not_of(" \n\t\r", p), original.size());
            if (p == original.size() || original[p] != '$') break;
            p = std::min(original.find_first_of(" \n\t\r{(", p), original.size());
        }
        std::string junto(original.substr(0, p));
        if (p < original.size() && original[p] == '{') {
            const std::size_t fecha = original.find('}', p);
            const std::string_view dentro = original.substr(p + 1, fecha - p - 1);
            const bool vazio = dentro.find_first_not_of(" \n\t\r") == std::string_view::npos;
            junto.append(original.substr(p, fecha - p)).append((vazio ? "" : " ") + texto);
            p = fecha;
        } else {
            junto += " {" + texto + "} ";
        }
        junto += original.substr(p);
        this->original(junto);
    }

    // Annotations kept from a file, their words as they are.
    void original(std::string_view s) {
        if (!so_anotacoes(s)) return;
        for (std::size_t i = 0; i < s.size();) {
            const std::size_t fim = std::min(s.find_first_of(" \n\t\r", i), s.size());
            if (fim > i) poe(std::string(s.substr(i, fim - i)));
            i = fim + 1;
        }
    }

    // Lines of at most 79 columns, but for a single word longer than that,
    // and for a word of a comment that begins with '%', which would make an
    // escaped line first on its own.
    std::string texto() const {
        std::string s;
        std::size_t coluna = 0;
        for (const std::string& p : v_) {
            if (coluna > 0 && coluna + 1 + p.size() > 79 && p[0] != '%') {
                s += '\n';
                coluna = 0;
            } else if (coluna > 0) {
                s += ' ';
                ++coluna;
            }
            s += p;
            coluna += p.size();
        }
        return s;
    }

  private:
    std::vector<std::string> v_;
    bool aberta_ = false;
};

// "12." before a move of White; "12..." before one of Black where a reader
// needs the number: first, or after a comment or a variation.
void numero(Palavras& w, const Posicao& x, bool tambem_das_pretas) {
    if (x.brancas_a_mover)
        w.poe(std::to_string(x.numero) + ".");
    else if (tambem_das_pretas)
        w.poe(std::to_string(x.numero) + "...");
}

// A variation's legal moves, from the position before the move it stands by.
void variacao(Palavras& w, Posicao x, const Variacao& v) {
    if (v.lances.empty() || !legal(x, v.lances[0])) return;
    w.abre();
    bool primeiro = true;
    for (const Movimento& m : v.lances) {
        if (!legal(x, m)) break;
        numero(w, x, primeiro);
        w.poe(escreve_san(x, m));
        joga(x, m);
        primeiro = false;
    }
    w.comentario(v.comentario);
    w.fecha();
}

// The moves as far as the first illegal one, each with its annotation;
// leaves `x` after the last move written and returns how many there are.
std::size_t escreve_lances(Palavras& w, const JogoParaEscrever& jogo, Posicao& x) {
    std::size_t jogados = 0;
    bool numero_das_pretas = true;
    for (const Movimento& m : jogo.lances) {
        if (!legal(x, m)) break;
        const Posicao antes = x;
        numero(w, x, numero_das_pretas);
        w.poe(escreve_san(x, m));
        joga(x, m);
        numero_das_pretas = false;
        if (jogados < jogo.anotacoes.size()) {
            const Anotacao& a = jogo.anotacoes[jogados];
            const std::size_t sem = w.quantas();
            w.anotacao(a.original, a.comentario);
            for (const Variacao& v : a.variacoes) variacao(w, antes, v);
            numero_das_pretas = w.quantas() > sem;
        }
        ++jogados;
    }
    return jogados;
}

// A list cut short has no result; a game whose side to move has no move is over.
std::string resultado_escrito(const JogoParaEscrever& jogo, const Posicao& x, std::size_t jogados) {
    std::string resultado = std::find(std::begin(RESULTADOS), std::end(RESULTADOS),
                                      jogo.resultado) != std::end(RESULTADOS)
                                ? jogo.resultado
                                : "*";
    const Fim f = fim(x);
    if (jogados < jogo.lances.size())
        resultado = "*";
    else if (f != Fim::nenhum && !jogo.resultado_como_dado)
        resultado = f == Fim::afogamento ? "1/2-1/2" : x.brancas_a_mover ? "0-1" : "1-0";
    return resultado;
}

// The roster with `resultado`, SetUp and FEN when the game starts elsewhere,
// then the other tags given, the first of each name.
std::string tags_escritas(const JogoParaEscrever& jogo, std::string_view resultado) {
    std::string s;
    auto tag = [&](std::string_view nome, std::string_view valor) {
        s += '[';
        s += nome;
        s += " \"" + valor_de_tag(valor) + "\"]\n";
    };
    auto dado = [&](std::string_view nome) -> const Tag* {
        for (const Tag& t : jogo.tags)
            if (t.first == nome) return &t;
        return nullptr;
    };
    for (const std::string_view nome : ROSTER) {
        const Tag* t = dado(nome);
        tag(nome, nome == "Result" ? resultado
                  : t              ? std::string_view(t->second)
                  : nome == "Date" ? "????.??.??"
                                   : "?");
    }
    if (jogo.inicio != Posicao::inicial()) {
        tag("SetUp", "1");
        tag("FEN", escreve_fen(jogo.inicio));
    }
    for (const Tag& t : jogo.tags) {
        const bool do_roster =
            std::find(std::begin(ROSTER), std::end(ROSTER), t.first) != std::end(ROSTER);
        if (do_roster || t.first == "SetUp" || t.first == "FEN" || !nome_de_tag(t.first) ||
            dado(t.first) != &t)
            continue;
        tag(t.first, t.second);
    }
    return s;
}

} // namespace

std::vector<Tag> tags_de(const SeteTags& sete, const std::vector<Tag>& outras) {
    std::vector<Tag> v = {{"Event", sete.evento}, {"Site", sete.local},    {"Date", sete.data},
                          {"Round", sete.rodada}, {"White", sete.brancas}, {"Black", sete.pretas}};
    v.insert(v.end(), outras.begin(), outras.end());
    return v;
}

std::string escreve_pgn(const JogoParaEscrever& jogo) {
    Palavras w;
    w.anotacao(jogo.original_inicial, jogo.comentario_inicial);
    Posicao x = jogo.inicio;
    const std::size_t jogados = escreve_lances(w, jogo, x);
    const std::string resultado = resultado_escrito(jogo, x, jogados);
    w.poe(resultado);
    return tags_escritas(jogo, resultado) + '\n' + w.texto() + "\n\n";
}

} // namespace quelmaro::xadrez
