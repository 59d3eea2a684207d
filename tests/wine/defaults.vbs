' A script client of the registered control: creation by ProgID, the defaults
' of a new control, writes through IDispatch and a run-time error reaching
' Err. cscript exits 0 even when a script dies, so the last line is a
' sentinel that the harness requires.
Option Explicit

Dim passed, failed
passed = 0
failed = 0

Sub Check(name, actual, expected)
  If actual = expected Then
    passed = passed + 1
    WScript.Echo "ok - " & name
  Else
    failed = failed + 1
    WScript.Echo "not ok - " & name & ": got [" & actual & "], expected [" & expected & "]"
  End If
End Sub

Dim tabs
Set tabs = CreateObject("FolivanTabs.FolivanTab")
Check "created by ProgID", TypeName(tabs), "_FolivanTab"

' Defaults and writes through the script engine's late binding. (The
' control's own rules: the play scenarios through COM, tests/wine/play_com.cpp.)
Check "Tabs", tabs.Tabs, 3
Check "TabCaption(1)", tabs.TabCaption(1), "Tab 1"
tabs.CurrentTab = 2
Check "Caption of the new current tab", tabs.Caption, "Tab 2"
tabs.TabCaption(1) = "Second"
tabs.Caption = "Third"
Check "Caption writes the current record", tabs.TabCaption(2), "Third"
tabs.JumpToTab 1
Check "JumpToTab with the optional caption left out", tabs.CurrentTab, 1
tabs.JumpToTab -1, "Third"
Check "JumpToTab by caption", tabs.CurrentTab, 2
tabs.TagVariant(0) = "tag"
Check "TagVariant keeps text", tabs.TagVariant(0), "tag"

' Script variables passed where the control takes an Integer by reference.
Dim i, names
names = ""
For i = 0 To 2
  names = names & tabs.TabCaption(i) & ";"
Next
Check "TabCaption indexed by a loop variable", names, "Tab 0;Second;Third;"
i = 1
tabs.TabToolTip(i) = "tip"
Check "TabToolTip written through a variable index", tabs.TabToolTip(1), "tip"
Check "the index variable keeps its value", i, 1
Dim target
target = 0
tabs.JumpToTab target
Check "JumpToTab with a variable", tabs.CurrentTab, 0
On Error Resume Next
names = tabs.TabCaption("not a number")
Dim mismatch
mismatch = Err.Number
On Error GoTo 0
Check "a text index is a type mismatch", mismatch, 13

' Optional arguments a script leaves out take their defaults.
Dim fresh
Set fresh = CreateObject("FolivanTabs.FolivanTab")
fresh.JumpToTab , "Tab 2"
Check "JumpToTab with TabNo left out jumps by caption (TabNo -1)", fresh.CurrentTab, 2
fresh.InsertTab
Check "InsertTab with AtIndex left out appends a tab (AtIndex -1)", fresh.Tabs, 4

' A run-time error of the control reaches the script as Err.Number.
tabs.CurrentTab = -1
On Error Resume Next
tabs.cTabStartColor = 255
Dim number
number = Err.Number
On Error GoTo 0
Check "cTabStartColor without a current tab raises error 9", number, 9

WScript.Echo "RESULT " & passed & " " & failed
WScript.Echo "SENTINEL-END"
