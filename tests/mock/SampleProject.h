// A project with every kind of field set, for the project file's tests, its
// probe and its benchmark. AVariant changes the names, so that two variants
// write different bytes.
#pragma once

#include "dev/core/Project.h"

namespace vantor::test {

inline devengine::ProjectLine SampleLine(int AIndex, bool AFromPricelist)
{
    devengine::ProjectLine line;
    line.FromPricelist = AFromPricelist;
    line.Code = AFromPricelist ? QStringLiteral("ACC %1 IT").arg(AIndex) : QString();
    line.Description = QStringLiteral("Line %1 «ü» \"quoted\"").arg(AIndex);
    line.Quantity = 1 + AIndex % 4;
    if (!AFromPricelist || AIndex % 3 != 0)
        line.UnitPrice = 12.5 + AIndex * 0.1;
    line.DiscountPercent = AIndex % 2 == 0 ? 0 : 7.5;
    return line;
}

inline devengine::Project SampleProject(int AVariant, int ASystems = 2, int ALinesPerSystem = 2)
{
    using namespace devengine;
    Project project;
    project.Customer = {QStringLiteral("Customer %1").arg(AVariant), QStringLiteral("Ann Example"),
                        QStringLiteral("1 Main Street\nSpringfield")};
    project.Name = QStringLiteral("Project %1").arg(AVariant);
    project.Reference = QStringLiteral("REF-%1").arg(AVariant);
    project.Notes = QStringLiteral("Notes with a tab\tand unicode ☃");
    project.Catalogue = QStringLiteral("380");
    project.PricelistValidity = QStringLiteral("20241101");
    project.DiscountPercent = 3;
    project.Terms.VatPercent = 22;
    project.Terms.QuoteNumber = QStringLiteral("Q-2024-%1").arg(AVariant);
    project.Terms.ValidUntil = QDate(2025, 1, 31);
    project.Terms.Currency = QStringLiteral("EUR");
    for (int s = 0; s < ASystems; ++s) {
        ProjectSystem system;
        system.Name = QStringLiteral("Room %1").arg(s + 1);
        system.Kind = s % 2 == 0 ? SelectorKind::Advanced : SelectorKind::Runtime;
        system.Inputs.Load = 6000 + s * 0.1;
        system.Inputs.PowerFactor = 0.9;
        system.Inputs.GrowthPercent = 20;
        system.Inputs.MaxLoadingPercent = 90;
        system.Inputs.AutonomyMinutes = 15;
        system.Inputs.Redundancy = 1;
        system.Inputs.OutputPhases = 1;
        system.Inputs.Battery = {1.7, 20, 0.8};
        if (system.Kind == SelectorKind::Runtime) {
            system.RuntimeModel = QStringLiteral("B 6K0");
            system.RuntimeCabinets = 2;
        }
        ProjectSolution solution;
        solution.Model = QStringLiteral("B 6K0");
        solution.Units = 2;
        solution.Redundant = 1;
        solution.Cabinet = QStringLiteral("CAB 6");
        solution.Cabinets = 2;
        solution.SystemVA = 12000;
        solution.LoadingPercent = 55.55555555555556;
        solution.RuntimeMinutes = 17.3;
        solution.Price = 2 * 1000 + 2 * 300;
        system.Solution = solution;
        for (int l = 0; l < ALinesPerSystem; ++l)
            system.Lines.append(SampleLine(l, l % 2 == 0));
        project.Systems.append(system);
    }
    project.Lines = {SampleLine(100, true), SampleLine(101, false)};
    return project;
}

} // namespace vantor::test
