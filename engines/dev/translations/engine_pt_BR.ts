<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Comunicação</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Montagem</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Serviço</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Garantia</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>Sob consulta</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Inventário de cargas</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Total: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Usar esta carga</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Não é possível ler a biblioteca de equipamentos: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Nenhum nobreak dos dados de produtos suporta esta carga, nem mesmo em paralelo.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Nenhum nobreak atinge esta autonomia com os gabinetes que aceita; a opção UNLIMITED_BATTCAB remove os limites.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>O arquivo não é um projeto do Vantor: não pode ser lido como JSON (no caractere %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>O arquivo não é um projeto do Vantor.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>O arquivo do projeto está danificado: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 tem o tipo errado</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 contém um valor impossível</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Este projeto foi salvo por um Vantor mais novo (formato de projeto %1); esta versão lê o formato %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>Não é possível abrir o projeto %1 (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>Não foi possível salvar o projeto como %1 (%2); o arquivo existente não foi alterado.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>Não foi possível guardar as alterações não salvas para recuperação em %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>Ao parar, o Vantor deixou trabalho não salvo no projeto %1 de %2. Restaurá-lo?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>Ao parar, o Vantor deixou trabalho não salvo em um projeto novo de %1. Restaurá-lo?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>Não é possível gravar a lista de projetos recentes em %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 não está mais no catálogo; dimensione este sistema novamente.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 não está mais na lista de preços.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: o preço de %2 agora é %4 (%3 ao salvar).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Projeto inteiro</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Sistema %1</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Esta proposta é válida até %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Valores em %1; impostos aplicados a %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>%1 item(ns) com preço sob consulta não estão incluídos nos totais.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>A planilha contém preços, e os preços estão ocultos nesta instalação.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nenhum projeto recente</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Projeto…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Adicionar ao projeto</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Devolver ao projeto</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Projetos (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (não salvo)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 sistemas</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>O projeto %1 tem alterações não salvas. Salvá-las primeiro?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Trabalho não salvo</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Preços alterados</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>A lista de preços de hoje difere dos preços salvos no projeto:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Usar os preços de hoje</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Manter os preços salvos</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Alguns produtos não estão mais no catálogo: reabra os sistemas marcados no seu seletor.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>não está mais no catálogo</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Adicionado ao projeto como %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 foi devolvido ao projeto.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome do projeto</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Condições</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>IVA %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Válido por</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>atribuído com o primeiro orçamento</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Dados do vendedor…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Dados do vendedor</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Prefixo do número do orçamento</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Sistemas e linhas</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Acessórios e serviços</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Escolha um sistema para ver seus acessórios.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Nenhum acessório para este sistema.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Pesquisar a lista de preços por código ou descrição</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Linha de texto livre</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Preço unitário</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Reabrir no seletor</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Orçamento (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Planilha (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Planilhas (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Ainda não há sistemas: dimensione um em um seletor e adicione-o ao projeto.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Linhas do projeto</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Orçamento…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Orçamento para o cliente</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Gerar PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>O orçamento foi salvo como %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Selecione uma solução para gerar o orçamento.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Orçamento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Autonomia requerida</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Autonomia com esta carga</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qtd.</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Preço unitário</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>além das tabelas de baterias</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Número da proposta</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Válida até</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendedor</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Desconto %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>preço sob consulta</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total líquido</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>Imposto</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Total com impostos</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Outros itens</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, linha %2 (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>a quantidade deve ser pelo menos 1</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>o desconto deve estar entre 0 e 100 %</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>o preço unitário deve ser um número de pelo menos 0</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>O desconto geral deve estar entre 0 e 100 %.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>A alíquota de imposto deve estar entre 0 e 100 %.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>A moeda pode ter no máximo %1 casas decimais.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>O arquivo de números de proposta %1 está em uso por outro programa; tente novamente.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>O arquivo de números de proposta %1 está danificado, por isso nenhum número foi emitido. Escreva nele o último número de proposta emitido.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>Os números de proposta de %1 se esgotaram.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>Não é possível gravar o arquivo de números de proposta %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Não é possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Não é possível ler o arquivo de configurações %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Não é possível gravar o arquivo de configurações %1.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Carga informada em</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Fator de potência</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Margem para expansão</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Limite de carga</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Autonomia</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Tensão final de descarga</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Capacidade no fim da vida útil</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Unidades redundantes</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Fases de saída</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>qualquer</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Inventário de cargas…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>Nobreak</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Gabinetes de baterias</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Informe uma carga maior que zero para ver as soluções.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>As tabelas de baterias chegam a no máximo %1 minutos; solicite uma autonomia menor.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>Os dados de produtos não contêm nobreaks para este seletor.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Carga (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Autonomia (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>%1 gabinetes</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 gabinete</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Apenas nobreak</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Autonomia com %1: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Salvar como PNG…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Não é possível gravar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Requisitos</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Soluções</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Curva de autonomia</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Seletor de nobreak avançado</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Seletor de nobreak básico</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Seletor de nobreak modular</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Cálculo de autonomia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Motor de desenvolvimento %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Modular</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Autonomia</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Motor de desenvolvimento</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Não é possível mostrar os preços: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Catálogo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preços</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>exibidos</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>ocultos</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(textos em inglês)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Tabela de preços</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>%1 itens com preço</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>ilegível</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Do nobreak</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Novas</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Todas operando</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Autonomia no fim da vida útil (capacidade %1 %) a %2 °C, tensão final %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>com %1 redundante(s) fora de operação</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>“Novas”: com baterias novas</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>“Todas operando”: nenhuma unidade fora de operação</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>definida por cada nobreak conforme a carga</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/célula</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/célula, a do nobreak com esta carga</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/célula, conforme escolhido</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: %2 % da capacidade (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: a autonomia se mantém com %1 fora de operação</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Autonomia, baterias novas</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Autonomia no fim da vida útil</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>todas operando</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 fora de operação</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>com baterias novas: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Detalhes…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Detalhes da solução</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Base do dimensionamento</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Dados de instalação</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Dissipação térmica</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Peso total</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Área ocupada</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Corrente de saída</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Corrente de entrada em recarga</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A por fase</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A por fase em cada uma das %2 entradas</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Proteção de entrada</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A em cada entrada</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>acima de %1 A: a dimensionar pelo eletricista</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Recarga a 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Necessário %1 W / %2 VA por %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>%1 soluções</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Nenhum nobreak dos dados de produtos suporta esta carga por tanto tempo.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>Nobreak</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Autonomia</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Carga %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preço</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>unidade única</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 unidades em paralelo (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>%1 módulos (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>baterias internas</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>%1 strings de %2 blocos</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>mais de %1 min</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>menos de %1 min</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>autonomia insuficiente</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>eficiência %1 % · bateria %2 W · %3 células · %4 W/célula · tabela %5 W/célula</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>sem preço</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>Os dados de produtos não podem ser usados: %1</translation>
    </message>
</context>
</TS>
