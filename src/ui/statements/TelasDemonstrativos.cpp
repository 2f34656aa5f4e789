// The screens of the fiscal statements, one line per kind of editor.
void RegistraTelasDeLinhas();
void RegistraTelasListas();

void RegistraTelasDemonstrativos()
{
    RegistraTelasDeLinhas();
    RegistraTelasListas();
}
