// A long message through the cipher windows: the step fields show its first blocks and how many
// follow, the next step and the result get it whole, and no field is rewritten once per block.
#include <QTextDocument>
#include <map>
#include <vector>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

using MensajeLargo = PruebaCifrado;

TEST_F(MensajeLargo, LosPasosMuestranElPrincipioYPasanElMensajeEntero) {
    abre("3", "5");
    std::map<int, std::vector<int>> cambios;
    for (const int n : {10, 3000}) {
        QString texto;
        for (int i = 0; i < n; ++i)
            texto += QStringLiteral("hola mundo")[i % 10];
        auto& c = cambios[n];
        c.assign(3, 0);
        for (int k = 0; k < 3; ++k) {
            auto* campo = control<QPlainTextEdit>(w, salidas[static_cast<std::size_t>(k)]);
            QObject::connect(campo->document(), &QTextDocument::contentsChange, campo,
                             [&c, k] { ++c[static_cast<std::size_t>(k)]; });
        }
        cifra(texto, 0, {"btpaso1", "btpaso2", "btpaso3"});
        const QString cifrado = campo("txmensajefinal");
        EXPECT_TRUE(campo("txmensajecod").startsWith("2622100502"));  // zvkf and the space
        pulsa({"btinvertir", "btpaso1", "btpaso2", "btpaso3"});
        EXPECT_EQ(campo("txmensajefinal"), texto) << n;
        EXPECT_EQ(cifrado.size(), n);
        if (n == 3000) {
            // 3000 blocks of two digits: the first 400 and a count of the other 2600.
            EXPECT_EQ(campo("txmensajenum").size(), 800 + 22);
            EXPECT_TRUE(campo("txmensajenum").endsWith("… y 2600 bloques más."));
        } else {
            EXPECT_EQ(campo("txmensajenum").size(), 20);
        }
        pulsa({"btinicializar"});
        for (int k = 0; k < 3; ++k) {
            QObject::disconnect(
                control<QPlainTextEdit>(w, salidas[static_cast<std::size_t>(k)])->document(),
                nullptr, nullptr, nullptr);
        }
    }
    // Each field is written as often for 3000 blocks as for 10.
    EXPECT_EQ(cambios[10], cambios[3000]);
}

}  // namespace
}  // namespace zefra::pruebas
