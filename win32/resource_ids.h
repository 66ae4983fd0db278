// Resource identifiers shared by the resource script and the program.
#pragma once

#define IDI_VELMORAND 1
#define IDB_WORKED_EXAMPLE 101
#define IDB_WORKED_EXAMPLE_2X 102

// A control's identifier is this plus its place in the layout table.
#define IDC_FIRST_CONTROL 100
