VERSION 5.00
Object = "{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0"; "FolivanTabs.ocx"
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form frmMain 
   Caption         =   "Main"
   ClientHeight    =   5000
   Icon            =   "frmMain.frx":0000
   Begin VB.CommandButton cmdOutside 
      Caption         =   "Outside"
      Height          =   375
      Left            =   120
      TabIndex        =   3
      Top             =   4500
      Width           =   1215
   End
   Begin FolivanTabs.FolivanTab Tabs1 
      Height          =   3600
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4800
      _ExtentX        =   8467
      _ExtentY        =   6350
      Tabs            =   2
      Caption         =   "Tab 0"
      FutureKey       =   42
      HiddR           =   1
      BLD             =   -1  'True
      TabToolTip(0)   =   ""
      TabToolTip(1)   =   ""
      ' a comment kept in place   
      Begin MSComctlLib.ProgressBar Progress1 
         Height          =   255
         Left            =   240
         TabIndex        =   2
         Top             =   600
         Width           =   2000
         _ExtentX        =   3528
         _Version        =   393216
         Appearance      =   1
      End
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Option Explicit

Private Sub Tabs1_TabChange(LastTab As Integer, NewTab As Integer)
    ' keep me
End Sub
