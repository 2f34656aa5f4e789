#ifndef LUMO_APLICACAO_TESTE
#include <QCoreApplication>
#define LUMO_APLICACAO_TESTE QCoreApplication
#endif
#include <clocale>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    LUMO_APLICACAO_TESTE app(argc, argv); // takes the environment's locale, as the program does
    // A run meant for a Brazilian machine must really have its locale, or it proves nothing.
    if (const char* esperado = std::getenv("LUMO_LOCALE_ESPERADO");
        esperado && !std::strstr(std::setlocale(LC_ALL, nullptr), esperado)) {
        std::fprintf(stderr, "locale %s not installed (run scripts/setup)\n", esperado);
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
