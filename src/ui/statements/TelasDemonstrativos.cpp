// The screens of the fiscal statements, one line per kind of editor.
void RegistraTelasDeLinhas();
void RegistraTelaAnexo22A();

void RegistraTelasDemonstrativos()
{
    RegistraTelasDeLinhas();
    RegistraTelaAnexo22A();
}
