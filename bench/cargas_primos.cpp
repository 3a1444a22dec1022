// The prime workloads: the longest list the prime table holds, beside a plain loop doing the
// same trial divisions with the % operator; the factorization of the largest 32-bit numbers;
// the primality test of the largest prime below 2^53.
#include <cmath>
#include <cstdint>
#include <vector>

#include "cargas.hpp"
#include "core/estado.hpp"
#include "core/primes/es_primo.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/primes/lista_primos.hpp"

namespace zefra::bench {
namespace {

// The bound whose list fills the table: 9,999,999 primes, the last 179424671.
constexpr std::int32_t kTopeLista = 179424672;
constexpr int kPrimosLista = 9999999;
constexpr std::int32_t kUltimoPrimoLista = 179424671;

// The reference: the same candidates and trial divisions, in the plainest form.
int listaPlana(std::int32_t n, std::vector<std::int32_t>& tabla) {
    int k = 0;
    if (n >= 2) tabla[static_cast<std::size_t>(++k)] = 2;
    if (n >= 3) tabla[static_cast<std::size_t>(++k)] = 3;
    for (std::int32_t p = 1;; ++p) {
        for (const std::int32_t c : {6 * p - 1, 6 * p + 1}) {
            if (c > n) return k;
            const auto raiz = static_cast<std::int32_t>(std::sqrt(static_cast<double>(c)));
            bool primo = true;
            for (int i = 3; i <= k; ++i) {
                const std::int32_t q = tabla[static_cast<std::size_t>(i)];
                if (q > raiz) break;
                if (c % q == 0) {
                    primo = false;
                    break;
                }
            }
            if (primo) tabla[static_cast<std::size_t>(++k)] = c;
        }
    }
}

const Registro listaPlanaRef{
    {"primes-list-plain", "reference: trial divisions with % up to 179424672", [] {
         std::vector<std::int32_t> tabla(kPosicionesTablaPrimos);
         const int k = listaPlana(kTopeLista, tabla);
         return k == kPrimosLista && tabla[static_cast<std::size_t>(k)] == kUltimoPrimoLista;
     }}};

const Registro lista{{"primes-list", "listaPrimos up to 179424672 (9,999,999 primes)",
                      [] {
                          TablaPrimos tabla;
                          const FinLista fin = listaPrimos(tiempoIlimitado(), kTopeLista, tabla);
                          return !fin.agotado && tabla.cuenta() == kPrimosLista &&
                                 tabla.primo(kPrimosLista) == kUltimoPrimoLista;
                      },
                      "primes-list-plain", 0.4}};

const Registro factorizaMaximos{
    {"factor-max", "factorizaPrimos of 2147482648 … 2147483647",
     [] {
         Estado& estado = estadoIlimitado();
         bool bien = true;
         for (std::int64_t n = 2147482648; n <= 2147483647; ++n) {
             bien = bien && factorizaPrimos(estado.tiempo, estado.factores, static_cast<double>(n))
                                .has_value();
             std::int64_t producto = 1;
             for (int f = 1; estado.factores.primo(f) != TablaFactores::kVacia; ++f) {
                 for (int e = 0; e < estado.factores.exponente(f); ++e)
                     producto *= estado.factores.primo(f);
             }
             bien = bien && producto == n;
         }
         return bien && estado.factores.primo(1) == 2147483647;
     },
     "", 1}};

const Registro esPrimoMaximo{
    {"isprime-2p53", "esPrimo(9007199254740881), the largest prime below 2^53",
     [] {
         const auto r = esPrimo(estadoIlimitado().tiempo, 9007199254740881.0);
         return r && *r == 1;
     },
     "", 1}};

}  // namespace
}  // namespace zefra::bench
